#include "PageView.h"

#include <exdisp.h>
#include <oleauto.h>

namespace {

typedef BOOL(WINAPI* AtlAxWinInitFn)();
typedef HRESULT(WINAPI* AtlAxGetControlFn)(HWND, IUnknown**);

// D30C1661-CDAF-11D0-8A3E-00C04FC9E26E
const IID kWebBrowser2 = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

constexpr int kAddressUnits = 2000;  // UTF-16 units, terminator included

// ATL.DLL is looked for once per run, when the first page view is made. It
// stays loaded until the process ends: the host window class and the
// controls it creates live in its code.
struct AtlHosting {
    bool looked;
    AtlAxGetControlFn getControl;  // null when ATL.DLL or a function is missing
};
AtlHosting atl;

AtlAxGetControlFn FindAtlHosting() {
    if (atl.looked) return atl.getControl;
    atl.looked = true;
    HMODULE library = LoadLibraryA("ATL.DLL");
    if (!library) return nullptr;
    auto init = (AtlAxWinInitFn)(void*)GetProcAddress(library, "AtlAxWinInit");
    auto getControl = (AtlAxGetControlFn)(void*)GetProcAddress(library, "AtlAxGetControl");
    if (!init || !getControl) {
        FreeLibrary(library);
        return nullptr;
    }
    init();  // registers the "AtlAxWin" window class; its result tells nothing we could act on
    atl.getControl = getControl;
    return getControl;
}

IWebBrowser2* BrowserOf(HWND window) { return (IWebBrowser2*)GetWindowLongPtrA(window, GWLP_USERDATA); }

IWebBrowser2* QueryBrowser(AtlAxGetControlFn getControl, HWND window) {
    IUnknown* control = nullptr;
    if (FAILED(getControl(window, &control)) || !control) return nullptr;
    IWebBrowser2* browser = nullptr;
    if (FAILED(control->QueryInterface(kWebBrowser2, (void**)&browser))) browser = nullptr;
    control->Release();
    return browser;
}

}  // namespace

PageView CreatePageView(HWND parent, int id, RECT rect) {
    PageView view;
    AtlAxGetControlFn getControl = FindAtlHosting();
    if (!getControl) return view;
    // Unsigned differences keep the size right even when the corners wrapped.
    int width = (int)((unsigned)rect.right - (unsigned)rect.left);
    int height = (int)((unsigned)rect.bottom - (unsigned)rect.top);
    view.window_ = CreateWindowExA(0, "AtlAxWin", "Shell.Explorer.1", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                   width, height, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    if (!view.window_) return view;
    SetWindowLongPtrA(view.window_, GWLP_USERDATA, (LONG_PTR)QueryBrowser(getControl, view.window_));
    return view;
}

bool PageView::HasBrowser() const { return window_ && BrowserOf(window_); }

bool PageView::Navigate(const Text& address) const {
    IWebBrowser2* browser = window_ ? BrowserOf(window_) : nullptr;
    if (!browser) return false;
    WCHAR wide[kAddressUnits];
    if (MultiByteToWideChar(CP_ACP, 0, address.c_str(), -1, wide, kAddressUnits) == 0) return false;
    BSTR url = SysAllocString(wide);
    if (!url) return false;
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_BSTR;
    target.bstrVal = url;
    browser->Navigate2(&target, nullptr, nullptr, nullptr, nullptr);  // what the page does is the control's business
    SysFreeString(url);
    return true;
}

void PageView::Destroy() {
    if (!window_) return;
    if (IWebBrowser2* browser = BrowserOf(window_)) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        browser->Release();
    }
    DestroyWindow(window_);
    window_ = nullptr;
}
