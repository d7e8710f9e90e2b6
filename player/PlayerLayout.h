// What the player builds from its settings, worked out without any window:
// the presentation, the window's inner size and style, the page view's
// rectangle, the picture band, the page address and the picture folder.
#pragma once
#include <windows.h>

#include "Settings.h"
#include "Text.h"

enum Presentation { kNoPresentation, kWindowed, kFullScreen };

// A rectangle by its corner and size, as the player's measures are given.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

struct WindowLayout {
    Presentation presentation;
    DWORD style;
    Text title;
    int clientWidth;   // inner size when the window is created
    int clientHeight;  // (the menu bar takes its height out of it later)
    bool menu;
    Box pageView;      // in the coordinates of the inner area
};

// "1" windowed, "2" full screen, compared byte for byte; anything else: none.
Presentation ChoosePresentation(const Text& displayMode);
// Only the exact text "menu" asks for a menu bar.
bool WantsMenu(const Text& menuFlag);
// The screen size counts only for the full-screen presentation.
WindowLayout PlanWindow(const Settings& settings, int screenWidth, int screenHeight);

// The band of the inner area that "Save Picture" keeps: (0, 30), W by H - 50.
Box CaptureBand(const Settings& settings);

// "file:\\" + program folder + "data/1014.dat", joined as they are.
Text PageAddress(const Text& programFolder);
// The save dialog starts in the program folder, named without its trailing backslash.
Text PictureStartFolder(const Text& programFolder);
