// What the player does before it shows anything: read its settings and find
// the folder of its own program file.
#pragma once
#include <windows.h>

#include "Settings.h"
#include "Text.h"

// Reads and unscrambles data/1013.dat, relative to the current directory.
// When the file cannot be opened it shows "Error: can't read the file" and
// returns false: the player then ends with exit code 0.
bool LoadSettings(Settings* settings);

// The folder of the player's own program file, ending with a backslash.
Text ProgramFolder();

// The foreground window when it belongs to this process, else null: the
// owner of the player's message box and save dialog.
HWND OwnForegroundWindow();
