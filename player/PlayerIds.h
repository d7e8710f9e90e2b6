// Identifiers, sizes and texts of the player, named once.
#pragma once

// Menu commands (WM_COMMAND identifiers of the menu bar).
constexpr int kCommandSavePicture = 1;
constexpr int kCommandQuit = 3;
constexpr int kCommandHelp = 11;
constexpr int kCommandAbout = 13;

// The page view's control identifier inside the player window.
constexpr int kPageViewId = 1;

// Extra inner height that the menu bar takes when there is one.
constexpr int kMenuHeight = 20;

// The page view reaches past the edges of the inner area by these margins.
constexpr int kPageViewLeftMargin = -10;
constexpr int kPageViewTopMargin = -15;
constexpr int kPageViewExtraWidth = 27;
constexpr int kPageViewExtraHeight = 34;

// The picture band: from row 30 of the inner area, 50 rows less than the stored height.
constexpr int kCaptureTop = 30;
constexpr int kCaptureHeightCut = 50;

// Bytes of the path the player asks for its own program file.
constexpr unsigned kProgramPathBytes = 1000;

constexpr const char* kPlayerClassName = "TamsoloPlayer";
constexpr const char* kMessageTitle = "Tamsolo";
constexpr const char* kCannotReadSettings = "Error: can't read the file";
constexpr const char* kPagePath = "data/1014.dat";
constexpr const char* kPageAddressPrefix = "file:\\\\";
constexpr const char* kMenuFlagWithMenu = "menu";
constexpr const char* kDisplayModeWindowed = "1";
constexpr const char* kDisplayModeFullScreen = "2";
constexpr const char* kPictureDialogTitle = "Save as";
// "Image (*.bmp)|*.bmp" in the form the save dialog takes.
constexpr char kPictureDialogFilter[] = "Image (*.bmp)\0*.bmp\0";
constexpr unsigned kPictureDialogPathBytes = 10000;
