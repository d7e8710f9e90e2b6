// Times the start of the player against the minimal window program: from
// CreateProcess until the program's window is visible, N times each,
// alternating, in one run. Prints milliseconds and the ratio of the medians.
//   bench_start_time <player program> <minimal program> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Files.h"
#include "Settings.h"

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND w, LPARAM lp) {
    auto* s = (Search*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid && IsWindowVisible(w) && GetParent(w) == nullptr) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * t.QuadPart / f.QuadPart;
}

struct Timing {
    double shown = -1;  // ms until the window is visible
    double page = -1;   // ms until it holds a child window (the player's page view)
    double exit = -1;   // ms from the close request to the end of the process
};

Timing TimeOneStart(const std::string& exe, const std::string& folder, bool waitForChild) {
    Timing t;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + exe + "\"";
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back(0);
    double start = Now();
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return t;
    Search s{pi.dwProcessId, nullptr};
    while (Now() - start < 20000) {
        if (!s.found) {
            EnumWindows(FindVisible, (LPARAM)&s);
            if (s.found) t.shown = Now() - start;
        }
        if (s.found && (!waitForChild || GetWindow(s.found, GW_CHILD))) {
            if (waitForChild) t.page = Now() - start;
            break;
        }
        Sleep(1);
    }
    double closing = Now();
    if (s.found) PostMessageA(s.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    else if (s.found)
        t.exit = Now() - closing;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return t;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return v.empty() ? 0 : sum / v.size();
}

// A windowed 800 x 600 project without menu, with the player as its program file.
std::string MakeProject(const std::string& player) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "tamsolo-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "data").c_str(), nullptr);
    CopyFileA(player.c_str(), (folder + "Bench.exe").c_str(), FALSE);
    Settings s;
    const char* values[kSettingCount] = {"800", "600", "movie.swf", "Bench Window", "1", "nomenu", "0", "0", "0", "0"};
    for (int i = 0; i < kSettingCount; i++) s.value[i] = values[i];
    FileWriter settings(Text((folder + "data\\1013.dat").c_str()));
    WriteSettings(settings, s);
    FileWriter page(Text((folder + "data\\1014.dat").c_str()));
    page.Write(Text("<html><body></body></html>"));
    return folder;
}

void RemoveProject(const std::string& folder) {
    for (const char* f : {"data\\1013.dat", "data\\1014.dat", "Bench.exe"}) DeleteFileA((folder + f).c_str());
    RemoveDirectoryA((folder + "data").c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: bench_start_time <player program> <minimal program> [runs]\n");
        return 2;
    }
    int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 10;
    std::string folder = MakeProject(argv[1]);
    std::string minimal = argv[2];
    std::string minimalFolder = minimal.substr(0, minimal.find_last_of("\\/") + 1);

    // One start of each first, unmeasured, so that neither pays for a cold cache.
    TimeOneStart(folder + "Bench.exe", folder, true);
    TimeOneStart(minimal, minimalFolder, false);
    std::vector<double> playerShown, playerPage, minimalShown, playerExit, minimalExit;
    for (int i = 0; i < runs; i++) {
        Timing p = TimeOneStart(folder + "Bench.exe", folder, true);
        Timing m = TimeOneStart(minimal, minimalFolder, false);
        if (p.shown >= 0) playerShown.push_back(p.shown);
        if (p.page >= 0) playerPage.push_back(p.page);
        if (m.shown >= 0) minimalShown.push_back(m.shown);
        if (p.exit >= 0) playerExit.push_back(p.exit);
        if (m.exit >= 0) minimalExit.push_back(m.exit);
    }
    RemoveProject(folder);
    if (playerShown.empty() || minimalShown.empty()) {
        std::printf("start-up: a window did not appear (player %zu of %d, minimal %zu of %d)\n", playerShown.size(),
                    runs, minimalShown.size(), runs);
        return 1;
    }
    std::printf("start to window shown, %d runs each (ms): player median %.1f mean %.1f; minimal window median %.1f mean %.1f\n",
                runs, Median(playerShown), Mean(playerShown), Median(minimalShown), Mean(minimalShown));
    if (!playerPage.empty())
        std::printf("start to page view created (player, ms): median %.1f mean %.1f\n", Median(playerPage), Mean(playerPage));
    std::printf("close request to process end (ms): player median %.1f; minimal window median %.1f\n",
                Median(playerExit), Median(minimalExit));
    std::printf("ratio player / minimal window (medians): %.2f\n", Median(playerShown) / Median(minimalShown));
    return 0;
}
