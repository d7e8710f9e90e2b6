// Drives a real program from a test: start it, find its windows, read its
// controls, answer its file dialogs and message boxes. Every wait polls a
// condition with a bound; nothing relies on a fixed sleep.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

constexpr int kWaitMs = 20000;

// Polls cond every 20 ms until it holds or timeoutMs have passed.
bool WaitUntil(const std::function<bool()>& cond, int timeoutMs = kWaitMs);

class Process {
public:
    // Starts exe with the given current directory (empty: the test's own).
    Process(const std::string& exe, const std::string& currentDir, const std::string& args = "");
    ~Process();  // ends the program if it still runs
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // Waits for the end; returns the exit code, or -1 when it did not end in time.
    long WaitExit(int timeoutMs = kWaitMs);

private:
    PROCESS_INFORMATION info_{};
};

// Visible top-level windows of the process, optionally filtered by class and title (exact).
std::vector<HWND> TopWindows(DWORD pid, const char* className = nullptr, const char* title = nullptr);
// Waits for one such window; nullptr when none appeared in time.
HWND WaitForTopWindow(DWORD pid, const char* className, const char* title, int timeoutMs = kWaitMs);
// Waits for a system dialog or message box (class "#32770") with the title.
HWND WaitForDialog(DWORD pid, const char* title, int timeoutMs = kWaitMs);

std::string ClassOf(HWND w);
// The text the window itself reports (WM_GETTEXT, marshalled across processes).
std::string TextOf(HWND w);
void SetTextOf(HWND w, const std::string& text);
RECT ClientRectOnScreen(HWND w);
// Window rectangle relative to the parent's client area.
RECT RectInParent(HWND child);
// All descendants, in the system's order (creation order for a window's own children).
std::vector<HWND> Descendants(HWND parent);
std::vector<HWND> Children(HWND parent);
HWND DescendantById(HWND parent, int id);

// A message box's text (its Static with id 0xFFFF).
std::string MessageBoxTextOf(HWND box);
// Types a path into a file dialog's name box and presses OK; false when the box was not found.
bool AnswerFileDialog(HWND dialog, const std::string& path);
void CancelDialog(HWND dialog);
void PressOk(HWND dialog);
// Posts a click, as a user's press and release of the button would produce.
void Click(HWND button);
// Presses and releases keys through the system's input queue (the window is brought to the front first).
void PressKeys(HWND target, const std::vector<WORD>& keys, bool withShift = false, bool withAlt = false);
