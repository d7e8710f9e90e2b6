// What the export needs of the user interface. The builder window supplies the
// real dialogs and message boxes; tests supply fakes that record what was asked.
#pragma once
#include "Text.h"

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // The save-file dialog: the chosen full path, or the empty text on cancel.
    virtual Text AskSavePath(const char* title, const char* filter) = 0;
    // A modal message box with one OK button and no icon.
    virtual void ShowMessage(const char* title, const char* text) = 0;
};
