/* A stand-in for ATL.DLL, placed beside the player in a test project. It
 * registers an "AtlAxWin" host window class whose windows paint a fixed
 * pattern, and its control answers IWebBrowser2::Navigate2 by recording the
 * address. Everything it sees goes, one line per event, to atl-record.txt
 * beside the DLL; the file fake-atl.txt beside it may ask for a host without
 * control ("nocontrol"), a control without IWebBrowser2 ("nobrowser") or a
 * page with two tab-stop buttons, ids 101 and 102 ("tabstops").
 * Posting the registered message "TamsoloFakeAtlProbe" to a host window makes
 * it record what only the player's own process can read: its parent's menu
 * and window class. */
#define COBJMACROS
#include <windows.h>
#include <exdisp.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

static HMODULE self;
static char folder[MAX_PATH];

static void Record(const char* format, ...) {
    char line[4096];
    va_list args;
    va_start(args, format);
    int n = _vsnprintf(line, sizeof line - 2, format, args);
    va_end(args);
    if (n < 0 || n > (int)sizeof line - 2) n = (int)sizeof line - 2;
    line[n++] = '\n';
    char path[MAX_PATH + 32];
    snprintf(path, sizeof path, "%satl-record.txt", folder);
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, line, (DWORD)n, &written, NULL);
    CloseHandle(file);
}

static int ConfigSays(const char* word) {
    char path[MAX_PATH + 32], text[256] = {0};
    snprintf(path, sizeof path, "%sfake-atl.txt", folder);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD got = 0;
    ReadFile(file, text, sizeof text - 1, &got, NULL);
    CloseHandle(file);
    return strstr(text, word) != NULL;
}

/* ---- the control ---- */

typedef struct {
    IWebBrowser2 iface;
    LONG refs;
} FakeBrowser;

static HRESULT STDMETHODCALLTYPE QueryInterface(IWebBrowser2* This, REFIID riid, void** out) {
    *out = NULL;
    int browser = IsEqualIID(riid, &IID_IWebBrowser2);
    Record("qi %s", browser ? "IWebBrowser2" : IsEqualIID(riid, &IID_IUnknown) ? "IUnknown" : "other");
    if (IsEqualIID(riid, &IID_IUnknown) || (browser && !ConfigSays("nobrowser"))) {
        *out = This;
        IWebBrowser2_AddRef(This);
        return S_OK;
    }
    return E_NOINTERFACE;
}

static ULONG STDMETHODCALLTYPE AddRef(IWebBrowser2* This) { return (ULONG)InterlockedIncrement(&((FakeBrowser*)This)->refs); }

static ULONG STDMETHODCALLTYPE Release(IWebBrowser2* This) {
    LONG left = InterlockedDecrement(&((FakeBrowser*)This)->refs);
    if (left == 0) {
        Record("control freed");
        HeapFree(GetProcessHeap(), 0, This);
    }
    return (ULONG)left;
}

static const char* Given(VARIANT* v) { return v ? "set" : "null"; }

static HRESULT STDMETHODCALLTYPE Navigate2(IWebBrowser2* This, VARIANT* url, VARIANT* flags, VARIANT* target,
                                           VARIANT* post, VARIANT* headers) {
    (void)This;
    char utf8[3000] = {0};
    int type = url ? url->vt : -1;
    if (url && url->vt == VT_BSTR && url->bstrVal)
        WideCharToMultiByte(CP_UTF8, 0, url->bstrVal, -1, utf8, sizeof utf8 - 1, NULL, NULL);
    Record("navigate vt=%d flags=%s target=%s post=%s headers=%s url=%s", type, Given(flags), Given(target),
           Given(post), Given(headers), utf8);
    return S_OK;
}

/* Only what the player may call is filled in; any other call would crash the
 * player, which the tests would notice. */
static IWebBrowser2Vtbl browserMethods = {
    .QueryInterface = QueryInterface,
    .AddRef = AddRef,
    .Release = Release,
    .Navigate2 = Navigate2,
};

/* ---- the host window ---- */

static const char kBrowserProp[] = "FakeAtlBrowser";
static UINT probeMessage;

/* Page-view coordinates decide every colour, so a band taken from the wrong
 * place, upside down or with red and blue swapped does not match. */
static void PaintPattern(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT r;
    GetClientRect(window, &r);
    int w = r.right, h = r.bottom;
    if (w > 0 && h > 0) {
        BITMAPINFO info;
        memset(&info, 0, sizeof info);
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = NULL;
        HBITMAP image = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
        if (image) {
            DWORD* px = (DWORD*)bits;
            for (int y = 0; y < h; y++)
                for (int x = 0; x < w; x++)
                    px[y * w + x] = (DWORD)((((x * 5) & 255) << 16) | (((y * 3) & 255) << 8) | (((x + y) * 7) & 255));
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, image);
            BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
            DeleteObject(image);
        }
    }
    EndPaint(window, &paint);
}

static void RecordProbe(HWND window) {
    HWND parent = GetParent(window);
    HMENU bar = GetMenu(parent);
    Record("probe menu=%s", bar ? "yes" : "no");
    if (bar) {
        int titles = GetMenuItemCount(bar);
        for (int i = 0; i < titles; i++) {
            char text[256] = {0};
            GetMenuStringA(bar, (UINT)i, text, sizeof text, MF_BYPOSITION);
            HMENU drop = GetSubMenu(bar, i);
            Record("probe title %d %s", i, text);
            int items = drop ? GetMenuItemCount(drop) : 0;
            for (int j = 0; j < items; j++) {
                MENUITEMINFOA info;
                char item[256] = {0};
                memset(&info, 0, sizeof info);
                info.cbSize = sizeof info;
                info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
                info.dwTypeData = item;
                info.cch = sizeof item;
                GetMenuItemInfoA(drop, (UINT)j, TRUE, &info);
                /* The system greys separators itself, so only items show their state. */
                if (info.fType & MFT_SEPARATOR)
                    Record("probe item %d %d type=separator id=%u", i, j, info.wID);
                else
                    Record("probe item %d %d type=string id=%u state=%u text=%s", i, j, info.wID, info.fState, item);
            }
        }
    }
    Record("probe class brush=%s cursor=%s icon=%s",
           (HBRUSH)GetClassLongPtrA(parent, GCLP_HBRBACKGROUND) == GetSysColorBrush(COLOR_BTNFACE) ||
                   GetClassLongPtrA(parent, GCLP_HBRBACKGROUND) == COLOR_BTNFACE + 1
               ? "btnface"
               : "other",
           (HCURSOR)GetClassLongPtrA(parent, GCLP_HCURSOR) == LoadCursorA(NULL, (LPCSTR)IDC_ARROW) ? "arrow" : "other",
           GetClassLongPtrA(parent, GCLP_HICON) || GetClassLongPtrA(parent, GCLP_HICONSM) ? "yes" : "none");
    Record("probe end");
}

static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == probeMessage && probeMessage) {
        RecordProbe(window);
        return 0;
    }
    switch (message) {
        case WM_CREATE: {
            CREATESTRUCTA* create = (CREATESTRUCTA*)lParam;
            Record("create text=%s id=%d style=%08lx exstyle=%08lx x=%d y=%d w=%d h=%d", create->lpszName,
                   (int)(INT_PTR)create->hMenu, (unsigned long)create->style, (unsigned long)create->dwExStyle,
                   create->x, create->y, create->cx, create->cy);
            FakeBrowser* browser = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *browser);
            browser->iface.lpVtbl = &browserMethods;
            browser->refs = 1; /* the host's own */
            SetPropA(window, kBrowserProp, browser);
            if (ConfigSays("tabstops")) {
                SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
                for (int i = 0; i < 2; i++)
                    CreateWindowExA(0, "BUTTON", i ? "Second" : "First", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                    500 + 100 * i, 300, 80, 24, window, (HMENU)(INT_PTR)(101 + i), self, NULL);
            }
            return 0;
        }
        case WM_PAINT:
            PaintPattern(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            SetFocus(window);
            return 0;
        case WM_SETFOCUS:
            Record("focus");
            return 0;
        case WM_KEYDOWN:
            Record("keydown %u", (unsigned)wParam);
            return 0;
        case WM_CHAR:
            Record("char %u", (unsigned)wParam);
            return 0;
        case WM_DESTROY: {
            FakeBrowser* browser = (FakeBrowser*)RemovePropA(window, kBrowserProp);
            if (browser) {
                Record("destroy refs=%ld", browser->refs);
                IWebBrowser2_Release(&browser->iface);
            }
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

__declspec(dllexport) BOOL WINAPI AtlAxWinInit(void) {
    Record("init");
    probeMessage = RegisterWindowMessageA("TamsoloFakeAtlProbe");
    WNDCLASSA host;
    memset(&host, 0, sizeof host);
    host.style = CS_GLOBALCLASS;
    host.lpfnWndProc = HostProc;
    host.hInstance = self;
    host.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    host.lpszClassName = "AtlAxWin";
    return RegisterClassA(&host) != 0;
}

__declspec(dllexport) HRESULT WINAPI AtlAxGetControl(HWND window, IUnknown** control) {
    *control = NULL;
    FakeBrowser* browser = (FakeBrowser*)GetPropA(window, kBrowserProp);
    Record("getcontrol %s", browser && !ConfigSays("nocontrol") ? "given" : "none");
    if (!browser || ConfigSays("nocontrol")) return E_FAIL;
    AddRef(&browser->iface);
    *control = (IUnknown*)&browser->iface;
    return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        self = instance;
        DWORD n = GetModuleFileNameA(instance, folder, sizeof folder);
        while (n > 0 && folder[n - 1] != '\\') n--;
        folder[n] = 0;
        Record("loaded");
    }
    return TRUE;
}
