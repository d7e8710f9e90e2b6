// Every number and fixed text of the builder's two windows, named once.
#pragma once

// Window numbers.
constexpr int kMainWindowNumber = 0;
constexpr int kTuningWindowNumber = 101;

// Controls of the main window (id 4 is not used).
constexpr int kMainPictureId = 0;
constexpr int kHelpId = 1;
constexpr int kAboutId = 2;
constexpr int kQuitId = 3;
constexpr int kProjectNameId = 5;
constexpr int kMovieFieldId = 6;
constexpr int kOutputKindId = 7;
constexpr int kBrowseId = 8;
constexpr int kSaveId = 9;
constexpr int kWidthId = 10;
constexpr int kHeightId = 11;
constexpr int kTuningId = 12;

// Controls of the tuning dialog.
constexpr int kTuningOkId = 21;
constexpr int kXTopId = 25;
constexpr int kYTopId = 26;
constexpr int kXBottomId = 27;
constexpr int kYBottomId = 28;
constexpr int kTuningPictureId = 30;

// Keyboard shortcuts: Escape in the main window, and Tab / Shift+Tab in both.
constexpr int kEscapeCommand = 40;
constexpr int kNextControlCommand = 41;
constexpr int kPreviousControlCommand = 42;

// Window sizes.
constexpr int kMainWidth = 600;
constexpr int kMainHeight = 300;
constexpr int kTuningWidth = 200;
constexpr int kTuningHeight = 200;

// Resources.
constexpr int kProgramIconId = 1;

// Texts.
constexpr const char* kWindowTitle = "Tamsolo";
constexpr const char* kMainClassName = "TamsoloBuilder";
constexpr const char* kTuningClassName = "TamsoloTuning";
constexpr const char* kHelpPage = "help.htm";
constexpr const char* kMakerAddress = "https://tamsolo.example/";
constexpr const char* kOpenMovieTitle = "Open SWF File";
constexpr const char* kMovieFilter = "Swf (*.swf)|*.swf";
constexpr const char* kWindowed = "Windowed";
constexpr const char* kFullScreen = "Full Screen";
constexpr const char* kDefaultWidth = "800";
constexpr const char* kDefaultHeight = "600";
constexpr const char* kDefaultTuningValue = "0";

// Buffers: the texts of fields are read with 32,000 bytes, file dialogs hold
// 10,000, and the program's own path is asked for with at most 500.
constexpr int kFieldTextBytes = 32000;
constexpr int kDialogPathBytes = 10000;
constexpr int kProgramPathBytes = 500;
