// The builder's user-interface operations on the real system: the open and
// save dialogs, the message box, and opening a document through the shell.
// While a dialog or box is open, the builder's visible and enabled top-level
// windows are disabled, and exactly those are enabled again afterwards.
#pragma once
#include "Text.h"
#include "UserInterface.h"

// The open-file dialog: the chosen full path, or the empty text on cancel or failure.
Text AskOpenPath(const char* title, const char* filter);
// The save-file dialog with the same settings (no overwrite question, no extension added).
Text AskSavePath(const char* title, const char* filter);
// A modal message box with one OK button and no icon.
void ShowMessage(const char* title, const char* text);
// Makes the program folder the current directory (it stays so), then opens the
// document or web address with the program the system associates with it.
void OpenWithShell(const Text& programFolder, const char* document);

// The operations that the export uses, on the real system.
class WindowsUi : public UserInterface {
public:
    Text AskSavePath(const char* title, const char* filter) override { return ::AskSavePath(title, filter); }
    void ShowMessage(const char* title, const char* text) override { ::ShowMessage(title, text); }
};
