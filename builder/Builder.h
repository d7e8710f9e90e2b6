// What the builder holds for its whole run: the form state, the two pictures,
// the windows with their controls in creation order, and the event that the
// last message brought to the event loop.
#pragma once
#include <windows.h>

#include "Export.h"
#include "Text.h"

// What one message yields for the event loop.
enum class EventKind {
    kNone,
    kControl,   // a control's notification: id and code (a click has the code 0)
    kShortcut,  // a keyboard shortcut with its command number
    kClose,     // a close request for either window
};

struct Event {
    EventKind kind = EventKind::kNone;
    int id = 0;
    int code = 0;
};

constexpr int kMostControls = 12;

// A window of the builder and its controls, in the order they were created
// (the order of Tab and Shift+Tab).
struct FormWindow {
    HWND window = nullptr;
    HWND controls[kMostControls] = {};
    int controlCount = 0;
};

struct Builder {
    HINSTANCE instance = nullptr;
    Text programFolder;
    Text moviePath;
    TuningValues tuning;
    HBITMAP mainPicture = nullptr;
    HBITMAP tuningPicture = nullptr;
    HACCEL mainKeys = nullptr;
    HACCEL tuningKeys = nullptr;
    FormWindow main;
    FormWindow tuningDialog;
    Event event;
};
