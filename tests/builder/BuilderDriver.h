// Drives the real builder (Tamsolo.exe) under Wine as a user would: start it,
// find its two windows and their controls, fill in the form, answer its file
// dialogs and message boxes, and take pictures of its windows from the screen.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "UiDriver.h"

// Control ids of the two windows, as a user's test knows them.
enum : int {
    kPicture = 0, kHelp = 1, kAbout = 2, kQuit = 3, kName = 5, kMovie = 6, kOutput = 7,
    kBrowse = 8, kSave = 9, kWidth = 10, kHeight = 11, kTuning = 12,
    kOk = 21, kXTop = 25, kYTop = 26, kXBottom = 27, kYBottom = 28, kTuningPicture = 30,
};

constexpr const char* kMainClass = "TamsoloBuilder";
constexpr const char* kTuningClass = "TamsoloTuning";

// The builder program of the distribution folder.
std::string BuilderExe();

class BuilderSession {
public:
    // Starts the program with the given current directory (default: the
    // distribution folder, where it finds files/) and waits for its window.
    explicit BuilderSession(const std::string& exe = BuilderExe(), const std::string& currentDir = DistFolder());
    Process& process() { return process_; }
    DWORD pid() const { return process_.Id(); }
    HWND main() const { return main_; }
    HWND Control(int id) const { return DescendantById(main_, id); }

    // The tuning dialog, if open (nullptr otherwise), and its controls.
    HWND Tuning() const;
    HWND TuningControl(int id) const;
    // Clicks "SWF Tuning" and waits for a dialog other than `previous`.
    HWND OpenTuning(HWND previous = nullptr);

    void Type(int id, const std::string& text) { SetTextOf(Control(id), text); }
    // "Browse", then the open dialog answered with the path (empty: cancelled).
    bool ChooseMovie(const std::string& path);
    // Selects an entry of the output kind list as a user's choice would.
    void ChooseOutput(int index);
    // "Save", then the save dialog answered with the path; waits until the
    // export has run to its end (no dialog or box left open).
    bool SaveAs(const std::string& path);
    // Waits for a message box, returns its title and text and dismisses it.
    bool TakeMessage(const char* title, std::string* text);

    // True once the builder's thread has handled everything sent before.
    bool Responsive() const;
    // True when no system dialog or message box of the builder is open.
    bool NoDialogOpen() const;

private:
    Process process_;
    HWND main_ = nullptr;
};

// W form: the A form of CB_GETLBTEXT comes back cut short across processes under Wine.
std::string ListEntry(HWND combo, int index);
// The window that has the keyboard focus in the builder's thread.
HWND FocusOf(HWND anyWindowOfTheThread);
// A window's picture as the screen shows it.
struct WindowPicture {
    int width = 0, height = 0;
    std::string rows;  // 24-bit, bottom row first, rows padded to 4 bytes
    bool Empty() const { return rows.empty(); }
    // Red, green and blue of the pixel at window coordinates.
    void At(int x, int y, int& r, int& g, int& b) const;
};
WindowPicture TakePicture(HWND window);
// Written as a 24-bit BMP file.
bool SavePicture(const WindowPicture& picture, const std::string& bmpPath);
// Two quick presses of the left mouse button in the middle of a window, as the system counts a double-click.
void DoubleClick(HWND window);
// Presses the left mouse button at a screen point, moves by (dx, dy) in steps, releases.
void DragMouse(POINT from, int dx, int dy);

// The folder where the tests leave their window pictures (next to the test program).
std::string PictureFolder();
