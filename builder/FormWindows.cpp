#include "FormWindows.h"

#include "BuilderIds.h"
#include "FormLogic.h"

namespace {

Builder* BuilderOf(HWND window) { return (Builder*)GetWindowLongPtrA(window, GWLP_USERDATA); }

FormWindow* FormOf(Builder& builder, HWND window) {
    if (window == builder.main.window) return &builder.main;
    if (window == builder.tuningDialog.window) return &builder.tuningDialog;
    return nullptr;
}

bool CanTakeFocus(HWND control) {
    return IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP);
}

// Tab and Shift+Tab: the next or previous control that can take the focus,
// in creation order, wrapping at the ends.
void MoveFocus(FormWindow& form, bool backwards) {
    bool canTake[kMostControls] = {};
    int current = -1;
    HWND focus = GetFocus();
    for (int i = 0; i < form.controlCount; ++i) {
        canTake[i] = CanTakeFocus(form.controls[i]);
        if (focus && (focus == form.controls[i] || IsChild(form.controls[i], focus))) current = i;
    }
    int next = NextTabStop(canTake, form.controlCount, current, backwards);
    if (next >= 0) SetFocus(form.controls[next]);
}

void Record(Builder& builder, EventKind kind, int id, int code) {
    // A close request is never replaced by a later notification of the same message.
    if (builder.event.kind == EventKind::kClose) return;
    builder.event.kind = kind;
    builder.event.id = id;
    builder.event.code = code;
}

void OnCommand(Builder& builder, HWND window, WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (lParam) {  // from a control
        Record(builder, EventKind::kControl, id, code);
        return;
    }
    if (code != 1) return;  // only shortcuts; the windows have no menus
    FormWindow* form = FormOf(builder, window);
    if (id == kNextControlCommand || id == kPreviousControlCommand) {
        if (form) MoveFocus(*form, id == kPreviousControlCommand);
        return;
    }
    Record(builder, EventKind::kShortcut, id, 0);
}

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = (CREATESTRUCTA*)lParam;
        SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)create->lpCreateParams);
    }
    Builder* builder = BuilderOf(window);
    if (builder) {
        switch (message) {
        case WM_COMMAND:
            OnCommand(*builder, window, wParam, lParam);
            return 0;
        case WM_CLOSE:  // Alt+F4 or the task bar: the event loop ends the builder
            Record(*builder, EventKind::kClose, 0, 0);
            // A request sent from elsewhere is handled inside GetMessageA, which
            // returns only for a posted message: post one so the loop sees it.
            PostMessageA(window, WM_NULL, 0, 0);
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD StyleOf(ControlKind kind) {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::kPicture:
        // Painted below its siblings: it covers the whole window, and
        // without clipping its repaint would wipe out the controls on it.
        return child | SS_BITMAP | WS_CLIPSIBLINGS;
    case ControlKind::kButton:
        return child | BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
    case ControlKind::kField:
        return child | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
    case ControlKind::kReadOnlyField:
        return child | ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP | WS_GROUP;
    case ControlKind::kDropDownList:
        return child | CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP;
    }
    return child;
}

const char* ClassNameOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::kPicture:
        return "STATIC";
    case ControlKind::kButton:
        return "BUTTON";
    case ControlKind::kDropDownList:
        return "COMBOBOX";
    default:
        return "EDIT";
    }
}

bool HasClientEdge(ControlKind kind) {
    return kind == ControlKind::kField || kind == ControlKind::kReadOnlyField ||
           kind == ControlKind::kDropDownList;
}

}  // namespace

bool RegisterFormClass(HINSTANCE instance, const char* className) {
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = FormWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId));
    windowClass.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

HWND OpenCentredWindow(Builder& builder, const char* className, int width, int height) {
    int left = CentredStart(GetSystemMetrics(SM_CXSCREEN), width);
    int top = CentredStart(GetSystemMetrics(SM_CYSCREEN), height);
    return CreateWindowExA(0, className, kWindowTitle, WS_POPUP | WS_VISIBLE, left, top, width, height,
                           nullptr, nullptr, builder.instance, &builder);
}

HWND AddControl(HINSTANCE instance, FormWindow& form, const ControlSpec& spec) {
    HWND control = CreateWindowExA(HasClientEdge(spec.kind) ? WS_EX_CLIENTEDGE : 0, ClassNameOf(spec.kind),
                                   spec.text, StyleOf(spec.kind), spec.x, spec.y, spec.width, spec.height,
                                   form.window, (HMENU)(INT_PTR)spec.id, instance, nullptr);
    if (!control) return nullptr;
    if (spec.kind != ControlKind::kPicture)
        SendMessageA(control, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    if (form.controlCount < kMostControls) form.controls[form.controlCount++] = control;
    return control;
}

void ShowPicture(HWND pictureControl, HBITMAP picture) {
    if (!pictureControl) return;
    // The system puts each new control below the ones before it, so the
    // picture, created first, would lie on top of them all.
    SetWindowPos(pictureControl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (picture) SendMessageA(pictureControl, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)picture);
}

Text ControlText(HWND control) {
    static char buffer[kFieldTextBytes];
    buffer[0] = '\0';
    int length = GetWindowTextA(control, buffer, kFieldTextBytes);
    return Text(buffer, length > 0 ? (size_t)length : 0);
}

HWND ControlById(const FormWindow& form, int id) {
    for (int i = 0; i < form.controlCount; ++i)
        if (GetDlgCtrlID(form.controls[i]) == id) return form.controls[i];
    return nullptr;
}

HACCEL CreateFormKeys(int windowNumber) {
    bool withEscape = windowNumber == kMainWindowNumber;
    ACCEL keys[3] = {
        {FVIRTKEY, VK_TAB, kNextControlCommand},
        {FVIRTKEY | FSHIFT, VK_TAB, kPreviousControlCommand},
        {FVIRTKEY, VK_ESCAPE, kEscapeCommand},
    };
    return CreateAcceleratorTableA(keys, withEscape ? 3 : 2);
}
