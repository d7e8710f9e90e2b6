// The yardstick for the player's start-up: the least a Win32 program does to
// show a captioned window, built with the same flags as the player.
#include <windows.h>

static LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "BenchMinimal";
    if (!RegisterClassA(&windowClass)) return 0;
    RECT outer = {0, 0, 800, 600};
    AdjustWindowRect(&outer, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, FALSE);
    HWND window = CreateWindowExA(0, "BenchMinimal", "Bench Window", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return 0;
}
