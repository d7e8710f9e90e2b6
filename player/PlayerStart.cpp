#include "PlayerStart.h"

#include "Files.h"
#include "PlayerIds.h"

HWND OwnForegroundWindow() {
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (!foreground || !GetWindowThreadProcessId(foreground, &process) || process != GetCurrentProcessId())
        return nullptr;
    return foreground;
}

bool LoadSettings(Settings* settings) {
    FileSource file(kSettingsPath);
    if (!file.IsOpen()) {
        MessageBoxA(OwnForegroundWindow(), kCannotReadSettings, kMessageTitle, MB_OK);
        return false;
    }
    // A line longer than a text can hold is cut at the limit by the line reader.
    *settings = ReadSettings(file);
    return true;
}

Text ProgramFolder() { return ProgramFolder(kProgramPathBytes); }
