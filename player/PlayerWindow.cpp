#include "PlayerWindow.h"

#include <ole2.h>

#include "PageView.h"
#include "Picture.h"
#include "PlayerIds.h"
#include "PlayerLayout.h"
#include "PlayerStart.h"

namespace {

struct PlayerState {
    HWND window;
    PageView page;
    Box band;
    Text pictureFolder;
    PictureImage picture;
    bool saving;  // a Save Picture is under way (its dialog runs a nested loop)
};

void OnSavePicture(PlayerState* state) {
    if (state->saving) return;
    state->saving = true;
    SavePicture(state->window, state->band, state->pictureFolder, &state->picture);
    state->saving = false;
}

// Only commands from the menu count: notification code 0 and no control window.
void OnCommand(PlayerState* state, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != 0 || lParam != 0) return;
    switch (LOWORD(wParam)) {
        case kCommandSavePicture: OnSavePicture(state); break;
        case kCommandQuit: PostQuitMessage(0); break;
        case kCommandHelp: break;
        case kCommandAbout: break;
    }
}

LRESULT CALLBACK PlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = (PlayerState*)GetWindowLongPtrA(window, GWLP_USERDATA);
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA*)lParam)->lpCreateParams);
            break;
        case WM_COMMAND:
            if (state) OnCommand(state, wParam, lParam);
            return 0;
        case WM_CLOSE:
            // The loop ends; the window is destroyed when the player ends, not here.
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterPlayerClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlayerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kPlayerClassName;
    return RegisterClassA(&windowClass) != 0;
}

HWND OpenWindow(const WindowLayout& layout, PlayerState* state) {
    RECT outer = {0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRect(&outer, layout.style, FALSE);  // the menu bar is not counted
    return CreateWindowExA(0, kPlayerClassName, layout.title.c_str(), layout.style, 0, 0, outer.right - outer.left,
                           outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), state);
}

HMENU DropDown(const char* first, int firstId, const char* second, int secondId) {
    HMENU menu = CreateMenu();
    if (!menu) return nullptr;
    AppendMenuA(menu, MF_STRING, firstId, first);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, secondId, second);
    return menu;
}

// Without a bar the window simply keeps its full inner height.
void AttachMenu(HWND window) {
    HMENU bar = CreateMenu();
    if (!bar) return;
    HMENU file = DropDown("Save Picture", kCommandSavePicture, "Quit", kCommandQuit);
    HMENU help = DropDown("Help", kCommandHelp, "About", kCommandAbout);
    if (file) AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "File");
    if (help) AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "Help");
    if (!SetMenu(window, bar)) DestroyMenu(bar);
}

// The window from which the next tab stop is searched: the focus window, or
// the outermost window around it that does not let the search inside (one
// without WS_EX_CONTROLPARENT), such as the browser control's own windows.
HWND TabSearchStart(HWND window, HWND focus) {
    if (!focus || focus == window || !IsChild(window, focus)) return nullptr;
    HWND start = focus;
    for (HWND w = focus; w != window; w = GetParent(w)) {
        HWND parent = GetParent(w);
        if (parent != window && !(GetWindowLongA(parent, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) start = parent;
    }
    return start;
}

// Tab and Shift+Tab move the focus among the tab-stop windows inside the
// player window and never reach the page. IsDialogMessage would do this too,
// but it would also turn Enter into the command IDOK, which is "Save Picture".
bool TakeTabKey(HWND window, const MSG& message) {
    if ((message.message != WM_KEYDOWN && message.message != WM_KEYUP) || message.wParam != VK_TAB) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    if (message.message == WM_KEYDOWN) {
        bool backwards = GetKeyState(VK_SHIFT) < 0;
        HWND next = GetNextDlgTabItem(window, TabSearchStart(window, GetFocus()), backwards);
        if (next && (GetWindowLongA(next, GWL_STYLE) & WS_TABSTOP)) SetFocus(next);
    }
    return true;
}

void RunEventLoop(HWND window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TakeTabKey(window, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

RECT AsRect(const Box& box) {
    return {box.left, box.top, (LONG)((unsigned)box.left + (unsigned)box.width),
            (LONG)((unsigned)box.top + (unsigned)box.height)};
}

}  // namespace

void RunPlayer(const Settings& settings) {
    Presentation presentation = ChoosePresentation(settings[kDisplayMode]);
    if (presentation == kNoPresentation) return;
    int screenWidth = 0, screenHeight = 0;
    if (presentation == kFullScreen) {
        screenWidth = GetSystemMetrics(SM_CXSCREEN);
        screenHeight = GetSystemMetrics(SM_CYSCREEN);
    }
    WindowLayout layout = PlanWindow(settings, screenWidth, screenHeight);

    // The WebBrowser control is an apartment-threaded OLE control: its
    // in-place activation, focus handling, drag and drop and clipboard need
    // OLE initialised on this thread, not only COM.
    HRESULT ole = OleInitialize(nullptr);

    PlayerState state{};
    state.band = CaptureBand(settings);
    if (RegisterPlayerClass()) state.window = OpenWindow(layout, &state);
    if (state.window) {
        if (layout.menu) AttachMenu(state.window);
        Text programFolder = ProgramFolder();
        Text address = PageAddress(programFolder);
        state.pictureFolder = PictureStartFolder(programFolder);
        state.page = CreatePageView(state.window, kPageViewId, AsRect(layout.pageView));
        state.page.Navigate(address);
        RunEventLoop(state.window);

        // The page view, the window with its menu, then the picture image.
        state.page.Destroy();
        DestroyWindow(state.window);
        ReleasePicture(&state.picture);
    }
    if (SUCCEEDED(ole)) OleUninitialize();
}
