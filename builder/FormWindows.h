// What the main window and the tuning dialog share: their window classes,
// their controls, the one window procedure that turns their messages into
// events for the event loop, and the moving of the focus with Tab.
#pragma once
#include <windows.h>

#include "Builder.h"
#include "Text.h"

enum class ControlKind { kPicture, kButton, kField, kReadOnlyField, kDropDownList };

struct ControlSpec {
    int id;
    ControlKind kind;
    int x, y, width, height;
    const char* text;
};

// A class of the builder's own: style 0, arrow cursor, button-face background,
// the program icon. False when the system refuses it.
bool RegisterFormClass(HINSTANCE instance, const char* className);

// A borderless window of the given size, centred on the screen, titled
// "Tamsolo"; its messages reach the builder's event loop through the builder.
HWND OpenCentredWindow(Builder& builder, const char* className, int width, int height);

// Creates the control as a child of form.window and appends it to form's controls.
HWND AddControl(HINSTANCE instance, FormWindow& form, const ControlSpec& spec);

// Puts the picture control behind the window's other controls and shows the
// picture in it (nothing for no picture). Called once all controls exist.
void ShowPicture(HWND pictureControl, HBITMAP picture);

// The text of a field or drop-down list, read with a buffer of 32,000 bytes.
Text ControlText(HWND control);

// The control with the id among the form's controls, or nullptr.
HWND ControlById(const FormWindow& form, int id);

// A window's keyboard shortcuts: Tab and Shift+Tab, and Escape besides for
// the main window (kMainWindowNumber); the tuning dialog has no Escape.
HACCEL CreateFormKeys(int windowNumber);
