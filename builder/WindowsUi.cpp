#include "WindowsUi.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <stdlib.h>

#include "BuilderIds.h"
#include "FormLogic.h"

namespace {

bool IsOurs(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return window && process == GetCurrentProcessId();
}

// The builder's part of a modal dialog: its owner, and the builder's windows
// that were disabled for it.
class ModalScope {
public:
    ModalScope() {
        HWND foreground = GetForegroundWindow();
        owner_ = IsOurs(foreground) ? foreground : nullptr;
        EnumThreadWindows(GetCurrentThreadId(), DisableOne, (LPARAM)this);
    }
    ~ModalScope() {
        for (int i = 0; i < count_; ++i)
            if (IsWindow(disabled_[i])) EnableWindow(disabled_[i], TRUE);
        // The dialog gave the activation back while its owner was still
        // disabled; hand it back now, or no builder window would be active.
        if (owner_ && IsWindow(owner_) && IsWindowEnabled(owner_)) SetForegroundWindow(owner_);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    HWND owner() const { return owner_; }

private:
    static BOOL CALLBACK DisableOne(HWND window, LPARAM self) {
        auto* scope = (ModalScope*)self;
        if (scope->count_ < kMost && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            scope->disabled_[scope->count_++] = window;
        }
        return TRUE;
    }
    static constexpr int kMost = 16;
    HWND owner_ = nullptr;
    HWND disabled_[kMost] = {};
    int count_ = 0;
};

Text AskPath(const char* title, const char* filter, bool save) {
    char systemFilter[256];
    bool haveFilter = DialogFilter(filter, systemFilter, sizeof systemFilter);
    char* path = (char*)calloc(kDialogPathBytes, 1);
    if (!path) return Text();

    ModalScope modal;
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = modal.owner();
    dialog.lpstrFilter = haveFilter ? systemFilter : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = kDialogPathBytes;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    path[kDialogPathBytes - 1] = '\0';
    Text result = chosen ? Text(path) : Text();
    free(path);
    return result;
}

}  // namespace

Text AskOpenPath(const char* title, const char* filter) { return AskPath(title, filter, false); }

Text AskSavePath(const char* title, const char* filter) { return AskPath(title, filter, true); }

void ShowMessage(const char* title, const char* text) {
    ModalScope modal;
    MessageBoxA(modal.owner(), text, title, MB_OK);
}

void OpenWithShell(const Text& programFolder, const char* document) {
    SetCurrentDirectoryA(programFolder.c_str());
    SHELLEXECUTEINFOA shell = {};
    shell.cbSize = sizeof shell;
    shell.fMask = SEE_MASK_NOCLOSEPROCESS;  // the system's own error display stays on
    shell.lpVerb = "Open";
    shell.lpFile = document;
    shell.lpParameters = "";
    shell.lpDirectory = nullptr;
    shell.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&shell);
    // The builder neither waits for the started program nor keeps anything of it.
    if (shell.hProcess) CloseHandle(shell.hProcess);
}
