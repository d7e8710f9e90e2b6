// Test projects for the real player and what the player tests need to drive
// and observe it: starting it as the file manager would, the record of the
// stand-in ATL.DLL, screen captures, bitmap files and GDI object counts.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Settings.h"
#include "TestFiles.h"
#include "UiDriver.h"

// Where the player of a test project gets its ATL.DLL from.
enum class Atl {
    kSystem,   // the system's own (under Wine: the control exists but renders nothing)
    kFake,     // the recording stand-in beside the player (FakeAtl.c)
    kBare,     // an ATL.DLL beside the player without AtlAxWinInit and AtlAxGetControl
    kMissing,  // none: the system's one is switched off for the player
};

// 800 x 600, windowed, no menu, tuning values 0, project name "Demo Project".
Settings WindowedSettings();

// A project folder in a temporary folder: the staged player as the program
// file, data/1013.dat written by the shared settings writer, data/1014.dat,
// and the chosen ATL.DLL beside the player. The program file's name tells
// Wine where that player takes ATL.DLL from (see StartPlayer).
class TestProject {
public:
    TestProject(const Settings& settings, Atl atl, const char* tag = "player");
    const std::string& folder() const { return dir_.path(); }
    std::string exe() const;
    Atl atl() const { return atl_; }
    void WriteSettingsFile(const Settings& settings) const;
    // Lines that the stand-in ATL.DLL recorded so far.
    std::vector<std::string> Record() const;
    // Waits until a recorded line starts with prefix; returns that line, or "" on timeout.
    std::string WaitForRecord(const std::string& prefix, int timeoutMs = kWaitMs) const;

private:
    TempDir dir_;
    Atl atl_;
};

// Starts the project's player with currentDir as its current directory (the
// project folder when empty), as the file manager would.
std::unique_ptr<Process> StartPlayer(const TestProject& project, const std::string& currentDir = "",
                                     const std::string& args = "");
// Lines that a stand-in ATL.DLL in folder recorded so far.
std::vector<std::string> AtlRecordIn(const std::string& folder);

// Starts any player program file; its name must be ProgramFileFor(atl).
std::unique_ptr<Process> StartPlayerProgram(const std::string& exe, Atl atl, const std::string& currentDir,
                                            const std::string& args = "");
// The program file name under which a player takes ATL.DLL as atl says.
std::string ProgramFileFor(Atl atl);
HWND WaitForPlayerWindow(const Process& player, const std::string& title);

// A menu command, as the menu sends it (notification code 0, no control window).
void PostMenuCommand(HWND window, int id);
// What the stand-in ATL.DLL found in the player's process: menu and window class.
std::vector<std::string> ProbeInside(const TestProject& project, HWND pageView);

// A picture as rows of blue, green, red bytes, top row first, no padding.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgr;
    COLORREF At(int x, int y) const;
};
Pixels CaptureScreen(const RECT& area);
// The rows of a 24-bit bottom-up bitmap file; empty when it is not one.
Pixels PixelsOfBitmapFile(const std::string& bytes);
unsigned Field16(const std::string& bytes, size_t offset);
unsigned Field32(const std::string& bytes, size_t offset);

// Live GDI bitmaps of another process, from its handle table (the system's
// GetGuiResources answers 0 under Wine); -1 when the table cannot be read.
int GdiBitmapCount(DWORD processId);
