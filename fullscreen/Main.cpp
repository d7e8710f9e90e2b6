// The full-screen program, copied into every full-screen project as its
// program file. It reads data/1013.dat and the fragment copies beside its own
// program file (so any current directory will do), builds the page with the
// screen's size and shows it in a borderless window over the whole screen.
// It writes nothing into the project folder, which may be on read-only media:
// the page goes to a file in the user's temporary folder, removed at the end.
#include <windows.h>

#include <ole2.h>

#include "Files.h"
#include "FullScreenPage.h"
#include "PageView.h"
#include "PlayerLayout.h"
#include "Settings.h"

namespace {

constexpr const char* kTitle = "Tamsolo";
constexpr const char* kClassName = "TamsoloFullScreen";
constexpr int kPageViewId = 1;

// Shown before any window of ours exists, so the box has no owner.
void Tell(const Text& text) { MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK); }

LRESULT CALLBACK FullScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // The loop ends; the window goes when the program ends.
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND OpenFullScreenWindow(const WindowLayout& layout) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FullScreenProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return nullptr;
    return CreateWindowExA(0, kClassName, layout.title.c_str(), layout.style, 0, 0, layout.clientWidth,
                           layout.clientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Escape and Alt+F4 end the program even while the page has the keyboard.
bool EndsTheShow(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) return true;
    return message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
}

void RunLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (EndsTheShow(message)) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A page file of this process's own in the temporary folder.
Text TemporaryPagePath() {
    char folder[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof folder, folder);
    if (n == 0 || n >= sizeof folder) return Text();
    Text path(folder, n);
    path += "tamsolo-";
    path += AsText((int)GetCurrentProcessId());
    path += ".htm";
    return path;
}

bool WritePage(const Text& path, const Text& html) {
    FileWriter file(path);
    bool written = file.Write(html);
    return file.Close() && written;
}

void Show(const Text& pagePath, Settings settings, int width, int height) {
    // The player's own full-screen presentation, whatever the stored display mode says.
    settings[kDisplayMode] = "2";
    WindowLayout layout = PlanWindow(settings, width, height);
    HWND window = OpenFullScreenWindow(layout);
    if (!window) return;
    const Box& box = layout.pageView;
    RECT rect = {box.left, box.top, box.left + box.width, box.top + box.height};
    PageView page = CreatePageView(window, kPageViewId, rect);
    page.Navigate(FileAddress(pagePath));
    SetForegroundWindow(window);
    RunLoop();
    page.Destroy();
    DestroyWindow(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Text dataFolder = ProgramFolder(1000) + "data\\";
    FileSource settingsFile(dataFolder + "1013.dat");
    if (!settingsFile.IsOpen()) {
        Tell("Error: can't read the file");
        return 0;
    }
    Settings settings = ReadSettings(settingsFile);
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    FullScreenPage page = AssembleFullScreenPage(dataFolder, settings, width, height);
    if (!page.problem.empty()) {
        Tell(page.problem);
        return 0;
    }
    Text pagePath = TemporaryPagePath();
    if (pagePath.empty() || !WritePage(pagePath, page.html)) {
        DeleteFileA(pagePath.c_str());
        Tell("Error: can't write the page into the temporary folder");
        return 0;
    }
    // The browser control is an OLE control: its thread needs OLE.
    HRESULT ole = OleInitialize(nullptr);
    Show(pagePath, settings, width, height);
    if (SUCCEEDED(ole)) OleUninitialize();
    DeleteFileA(pagePath.c_str());
    return 0;
}
