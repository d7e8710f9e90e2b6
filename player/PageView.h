// The page view: a child window that hosts the WebBrowser control through
// ATL's control hosting, loaded by name at run time from "ATL.DLL".
//
//     PageView page = CreatePageView(parent, id, rect);
//     page.Navigate("file:\\C:\\Games\\Demo\\data/1014.dat");
//     ...
//     page.Destroy();
//
// The control's IWebBrowser2 is kept in the host window's user data for the
// window's lifetime. The calling thread must have OLE initialised.
#pragma once
#include <windows.h>

#include "Text.h"

class PageView {
public:
    // The host window; null when no page view could be created.
    HWND Window() const { return window_; }
    bool Exists() const { return window_ != nullptr; }
    // Whether the host yielded a control that answers IWebBrowser2.
    bool HasBrowser() const;
    // Hands the address to the control (ANSI code page, at most 1999 UTF-16
    // units). False when there is no browser or the address cannot be converted.
    bool Navigate(const Text& address) const;
    // Releases the control and destroys the host window; the view is empty afterwards.
    void Destroy();

private:
    friend PageView CreatePageView(HWND parent, int id, RECT rect);
    HWND window_ = nullptr;
};

// A visible child of parent with the control identifier id, at rect (in the
// parent's inner area), hosting "Shell.Explorer.1". Returns an empty view when
// ATL.DLL, one of its two functions or the host window is missing; a view
// without a browser when the host yields no control or no IWebBrowser2.
PageView CreatePageView(HWND parent, int id, RECT rect);
