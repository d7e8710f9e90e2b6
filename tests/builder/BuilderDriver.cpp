#include "BuilderDriver.h"

#include <fstream>

std::string BuilderExe() { return DistFolder() + "Tamsolo.exe"; }

BuilderSession::BuilderSession(const std::string& exe, const std::string& currentDir)
    : process_(exe, currentDir) {
    if (process_.Started()) main_ = WaitForTopWindow(process_.Id(), kMainClass, "Tamsolo");
}

HWND BuilderSession::Tuning() const {
    auto all = TopWindows(pid(), kTuningClass, "Tamsolo");
    return all.empty() ? nullptr : all.front();
}

HWND BuilderSession::TuningControl(int id) const {
    HWND dialog = Tuning();
    return dialog ? DescendantById(dialog, id) : nullptr;
}

HWND BuilderSession::OpenTuning(HWND previous) {
    Click(Control(kTuning));
    HWND fresh = nullptr;
    WaitUntil([&] {
        fresh = Tuning();
        return fresh && fresh != previous && IsWindow(fresh) && DescendantById(fresh, kYBottom);
    });
    return fresh;
}

bool BuilderSession::ChooseMovie(const std::string& path) {
    Click(Control(kBrowse));
    HWND dialog = WaitForDialog(pid(), "Open SWF File");
    if (!dialog) return false;
    if (path.empty()) {
        CancelDialog(dialog);
    } else if (!AnswerFileDialog(dialog, path)) {
        return false;
    }
    return WaitUntil([&] { return !IsWindow(dialog) && Responsive(); });
}

void BuilderSession::ChooseOutput(int index) { SendMessageA(Control(kOutput), CB_SETCURSEL, index, 0); }

bool BuilderSession::SaveAs(const std::string& path) {
    Click(Control(kSave));
    HWND dialog = WaitForDialog(pid(), "Save as EXE (Windowed)");
    if (!dialog || !AnswerFileDialog(dialog, path)) return false;
    return WaitUntil([&] { return !IsWindow(dialog) && Responsive() && NoDialogOpen(); });
}

bool BuilderSession::TakeMessage(const char* title, std::string* text) {
    HWND box = WaitForDialog(pid(), title);
    if (!box) return false;
    if (text) *text = MessageBoxTextOf(box);
    PressOk(box);
    return WaitUntil([&] { return !IsWindow(box); });
}

bool BuilderSession::Responsive() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

bool BuilderSession::NoDialogOpen() const { return TopWindows(pid(), "#32770").empty(); }

std::string ListEntry(HWND combo, int index) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return "<none>";
    std::wstring wide((size_t)length + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, (LPARAM)&wide[0]);
    wide.resize(wcslen(wide.c_str()));
    return std::string(wide.begin(), wide.end());  // the entries are plain ASCII
}

HWND FocusOf(HWND anyWindowOfTheThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(anyWindowOfTheThread, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

void WindowPicture::At(int x, int y, int& r, int& g, int& b) const {
    int stride = (width * 3 + 3) & ~3;
    const unsigned char* p = (const unsigned char*)rows.data() + (size_t)(height - 1 - y) * stride + 3 * x;
    b = p[0];
    g = p[1];
    r = p[2];
}

WindowPicture TakePicture(HWND window) {
    WindowPicture picture;
    RECT r{};
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, before);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    int stride = (w * 3 + 3) & ~3;
    std::string rows((size_t)stride * h, '\0');
    int got = GetDIBits(memory, bitmap, 0, h, &rows[0], &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (got == h) {
        picture.width = w;
        picture.height = h;
        picture.rows = rows;
    }
    return picture;
}

bool SavePicture(const WindowPicture& picture, const std::string& bmpPath) {
    if (picture.Empty()) return false;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = picture.width;
    info.biHeight = picture.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + (DWORD)picture.rows.size();
    std::ofstream out(bmpPath, std::ios::binary);
    out.write((const char*)&file, sizeof file);
    out.write((const char*)&info, sizeof info);
    out.write(picture.rows.data(), (std::streamsize)picture.rows.size());
    return (bool)out;
}

void DoubleClick(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    INPUT in[5] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = ((r.left + r.right) / 2) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        i.mi.dy = ((r.top + r.bottom) / 2) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    in[3].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    in[4].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(5, in, sizeof(INPUT));
}

void DragMouse(POINT from, int dx, int dy) {
    auto send = [](DWORD flags, int x, int y) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        SendInput(1, &in, sizeof in);
    };
    DWORD thread = GetWindowThreadProcessId(WindowFromPoint(from), nullptr);
    send(0, from.x, from.y);
    Sleep(50);  // pacing of a hand's movement; the result is awaited by condition
    send(MOUSEEVENTF_LEFTDOWN, from.x, from.y);
    Sleep(50);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        send(0, from.x + dx * i / steps, from.y + dy * i / steps);
        Sleep(30);
    }
    send(MOUSEEVENTF_LEFTUP, from.x + dx, from.y + dy);
    // The window reaches its place before the system's move loop has taken the
    // release; a click posted meanwhile would land inside that loop. Wait for its end.
    WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return thread == 0 || !GetGUIThreadInfo(thread, &info) || !(info.flags & GUI_INMOVESIZE);
    });
}

std::string PictureFolder() {
    std::string folder = TestProgramFolder() + "builder-pictures\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
