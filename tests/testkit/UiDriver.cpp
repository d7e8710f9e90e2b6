#include "UiDriver.h"

bool WaitUntil(const std::function<bool()>& cond, int timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (cond()) return true;
        if ((int)(GetTickCount() - start) > timeoutMs) return false;
        Sleep(20);
    }
}

Process::Process(const std::string& exe, const std::string& currentDir, const std::string& args) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back(0);
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDir.empty() ? nullptr : currentDir.c_str(), &si, &info_))
        info_ = PROCESS_INFORMATION{};
}

Process::~Process() {
    if (!Started()) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::Running() const { return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

long Process::WaitExit(int timeoutMs) {
    if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return (long)code;
}

namespace {
struct TopSearch {
    DWORD pid;
    const char* className;
    const char* title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM lp) {
    auto* s = (TopSearch*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->pid || !IsWindowVisible(w)) return TRUE;
    if (s->className && ClassOf(w) != s->className) return TRUE;
    if (s->title && TextOf(w) != s->title) return TRUE;
    s->found.push_back(w);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
    ((std::vector<HWND>*)lp)->push_back(w);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopWindows(DWORD pid, const char* className, const char* title) {
    TopSearch s{pid, className, title, {}};
    EnumWindows(CollectTop, (LPARAM)&s);
    return s.found;
}

HWND WaitForTopWindow(DWORD pid, const char* className, const char* title, int timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            auto all = TopWindows(pid, className, title);
            found = all.empty() ? nullptr : all.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND WaitForDialog(DWORD pid, const char* title, int timeoutMs) {
    return WaitForTopWindow(pid, "#32770", title, timeoutMs);
}

std::string ClassOf(HWND w) {
    char buf[256] = {};
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

std::string TextOf(HWND w) {
    // The W form: some controls of another process answer the A form cut short under Wine.
    LRESULT n = SendMessageW(w, WM_GETTEXTLENGTH, 0, 0);
    std::wstring wide((size_t)n + 1, L'\0');
    SendMessageW(w, WM_GETTEXT, (WPARAM)wide.size(), (LPARAM)&wide[0]);
    wide.resize(wcslen(wide.c_str()));
    if (wide.empty()) return std::string();
    int len = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    std::string out((size_t)len, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), (int)wide.size(), &out[0], len, nullptr, nullptr);
    return out;
}

void SetTextOf(HWND w, const std::string& text) { SendMessageA(w, WM_SETTEXT, 0, (LPARAM)text.c_str()); }

RECT ClientRectOnScreen(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, (POINT*)&r, 2);
    return r;
}

RECT RectInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), (POINT*)&r, 2);
    return r;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, (LPARAM)&all);
    return all;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    // The system keeps the first created child at the bottom of the z-order list only when
    // children are not reordered; our programs never reorder, so this is creation order.
    return out;
}

HWND DescendantById(HWND parent, int id) {
    for (HWND c : Descendants(parent))
        if (GetDlgCtrlID(c) == id) return c;
    return nullptr;
}

std::string MessageBoxTextOf(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? TextOf(text) : std::string();
}

bool AnswerFileDialog(HWND dialog, const std::string& path) {
    HWND edit = nullptr;
    for (HWND c : Descendants(dialog))
        if (GetDlgCtrlID(c) == 0x47c && ClassOf(c) == "Edit") edit = c;
    if (!edit) {
        for (HWND c : Descendants(dialog))
            if (GetDlgCtrlID(c) == 0x480 && ClassOf(c) == "Edit") edit = c;  // older dialog template
    }
    if (!edit) return false;
    SetTextOf(edit, path);
    PressOk(dialog);
    return true;
}

void CancelDialog(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }
void PressOk(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); }
void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void PressKeys(HWND target, const std::vector<WORD>& keys, bool withShift, bool withAlt) {
    // Keys go to the foreground window: make sure it is the target's before typing.
    // and its thread has taken the activation, so that it sees the modifier keys too.
    HWND top = GetAncestor(target, GA_ROOT);
    DWORD thread = GetWindowThreadProcessId(top, nullptr);
    WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetForegroundWindow() == top && GetGUIThreadInfo(thread, &info) && info.hwndActive == top) return true;
        SetForegroundWindow(top);
        return false;
    }, 5000);
    std::vector<INPUT> in;
    auto key = [&](WORD vk, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (withAlt) key(VK_MENU, false);
    if (withShift) key(VK_SHIFT, false);
    for (WORD k : keys) {
        key(k, false);
        key(k, true);
    }
    if (withShift) key(VK_SHIFT, true);
    if (withAlt) key(VK_MENU, true);
    SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}
