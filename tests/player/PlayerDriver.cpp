#include "PlayerDriver.h"

#include <winternl.h>

#include <cstdio>
#include <cstring>

#include "Files.h"

Settings WindowedSettings() {
    Settings s;
    s[kWidth] = "800";
    s[kHeight] = "600";
    s[kMovieFileName] = "movie.swf";
    s[kProjectName] = "Demo Project";
    s[kDisplayMode] = "1";
    s[kMenuFlag] = "nomenu";
    s[kXTop] = "0";
    s[kYTop] = "0";
    s[kXBottom] = "0";
    s[kYBottom] = "0";
    return s;
}

TestProject::TestProject(const Settings& settings, Atl atl, const char* tag) : dir_(tag), atl_(atl) {
    CopyFileA((DistFolder() + "files\\01.dat").c_str(), exe().c_str(), FALSE);
    MakeFolder(folder() + "data");
    WriteSettingsFile(settings);
    WriteBytes(folder() + "data\\1014.dat", "<html><body>page</body></html>");
    if (atl == Atl::kFake) CopyFileA((TestProgramFolder() + "fake-atl.dll").c_str(), (folder() + "ATL.DLL").c_str(), FALSE);
    if (atl == Atl::kBare) CopyFileA((TestProgramFolder() + "bare-atl.dll").c_str(), (folder() + "ATL.DLL").c_str(), FALSE);
}

void TestProject::WriteSettingsFile(const Settings& settings) const {
    FileWriter file(Text((folder() + "data\\1013.dat").c_str()));
    WriteSettings(file, settings);
}

std::vector<std::string> TestProject::Record() const { return AtlRecordIn(folder()); }

std::vector<std::string> AtlRecordIn(const std::string& folder) {
    std::vector<std::string> lines;
    std::string all = ReadBytes(folder + "atl-record.txt");
    size_t start = 0;
    for (size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(all.substr(start, end - start));
    return lines;
}

std::string TestProject::WaitForRecord(const std::string& prefix, int timeoutMs) const {
    std::string found;
    WaitUntil(
        [&] {
            for (const std::string& line : Record())
                if (line.compare(0, prefix.size(), prefix) == 0) {
                    found = line;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

namespace {
// Wine prefers its own ATL.DLL to one in the program's folder, and it takes
// WINEDLLOVERRIDES from the Unix environment only, which a test cannot change
// for the player it starts. Its per-program settings can: each kind of test
// project names its program file differently and sets that name's DLL load
// order (under Windows the key means nothing, and the program's folder comes
// first anyway).
struct AtlChoice {
    const char* programFile;
    const char* loadOrder;
};

AtlChoice ChoiceFor(Atl atl) {
    switch (atl) {
        case Atl::kSystem: return {"Demo.exe", "builtin"};
        case Atl::kFake:
        case Atl::kBare: return {"DemoLocalAtl.exe", "native"};
        case Atl::kMissing: return {"DemoNoAtl.exe", ""};  // empty: switched off
    }
    return {"Demo.exe", "builtin"};
}

void SetWineLoadOrder(const AtlChoice& choice) {
    std::string key = std::string("Software\\Wine\\AppDefaults\\") + choice.programFile + "\\DllOverrides";
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(k, "atl", 0, REG_SZ, (const BYTE*)choice.loadOrder, (DWORD)strlen(choice.loadOrder) + 1);
    RegCloseKey(k);
}
}  // namespace

std::string ProgramFileFor(Atl atl) { return ChoiceFor(atl).programFile; }

std::string TestProject::exe() const { return folder() + ProgramFileFor(atl_); }

std::unique_ptr<Process> StartPlayerProgram(const std::string& exe, Atl atl, const std::string& currentDir,
                                            const std::string& args) {
    SetWineLoadOrder(ChoiceFor(atl));
    return std::make_unique<Process>(exe, currentDir, args);
}

std::unique_ptr<Process> StartPlayer(const TestProject& project, const std::string& currentDir,
                                     const std::string& args) {
    return StartPlayerProgram(project.exe(), project.atl(), currentDir.empty() ? project.folder() : currentDir, args);
}

HWND WaitForPlayerWindow(const Process& player, const std::string& title) {
    return WaitForTopWindow(player.Id(), nullptr, title.c_str());
}

void PostMenuCommand(HWND window, int id) { PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

std::vector<std::string> ProbeInside(const TestProject& project, HWND pageView) {
    size_t before = project.Record().size();
    PostMessageA(pageView, RegisterWindowMessageA("TamsoloFakeAtlProbe"), 0, 0);
    std::vector<std::string> probe;
    WaitUntil([&] {
        auto lines = project.Record();
        for (size_t i = before; i < lines.size(); i++)
            if (lines[i] == "probe end") {
                probe.clear();
                for (size_t j = before; j <= i; j++)
                    if (lines[j].compare(0, 6, "probe ") == 0) probe.push_back(lines[j]);
                return true;
            }
        return false;
    });
    return probe;
}

COLORREF Pixels::At(int x, int y) const {
    const unsigned char* p = &bgr[((size_t)y * width + x) * 3];
    return RGB(p[2], p[1], p[0]);
}

Pixels CaptureScreen(const RECT& area) {
    Pixels out;
    out.width = area.right - area.left;
    out.height = area.bottom - area.top;
    if (out.width <= 0 || out.height <= 0) return out;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), out.width, -out.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, image);
    BitBlt(memory, 0, 0, out.width, out.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    out.bgr.resize((size_t)out.width * out.height * 3);
    const unsigned char* src = (const unsigned char*)bits;
    for (size_t i = 0; i < (size_t)out.width * out.height; i++) {
        out.bgr[i * 3] = src[i * 4];
        out.bgr[i * 3 + 1] = src[i * 4 + 1];
        out.bgr[i * 3 + 2] = src[i * 4 + 2];
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(image);
    ReleaseDC(nullptr, screen);
    return out;
}

unsigned Field16(const std::string& b, size_t at) {
    if (at + 2 > b.size()) return 0;
    return (unsigned char)b[at] | (unsigned char)b[at + 1] << 8;
}

unsigned Field32(const std::string& b, size_t at) {
    if (at + 4 > b.size()) return 0;
    return Field16(b, at) | Field16(b, at + 2) << 16;
}

Pixels PixelsOfBitmapFile(const std::string& bytes) {
    Pixels out;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || Field16(bytes, 28) != 24) return out;
    int width = (int)Field32(bytes, 18), height = (int)Field32(bytes, 22);
    size_t row = ((size_t)width * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || bytes.size() < 54 + row * height) return out;
    out.width = width;
    out.height = height;
    out.bgr.resize((size_t)width * height * 3);
    for (int y = 0; y < height; y++) {  // the file's first row is the bottom one
        const char* src = bytes.data() + 54 + row * (height - 1 - y);
        std::copy(src, src + width * 3, out.bgr.begin() + (size_t)y * width * 3);
    }
    return out;
}

namespace {
// One entry of the process's GDI handle table, as the PEB points at it.
struct GdiTableEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
static_assert(sizeof(GdiTableEntry) == 24, "GDI handle table entries are 24 bytes");
constexpr int kGdiTableEntries = 0x10000;  // Windows XP and later, and Wine
// Windows marks bitmaps with type 5 in the table, Wine with 9.
bool IsBitmapEntry(unsigned char type) { return type == 5 || type == 9; }
constexpr size_t kPebGdiTableOffset = 0x94;  // GdiSharedHandleTable in a 32-bit PEB
}  // namespace

int GdiBitmapCount(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return -1;
    int count = -1;
    PROCESS_BASIC_INFORMATION basic{};
    ULONG got = 0;
    DWORD table = 0;
    SIZE_T read = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &got) == 0 &&
        ReadProcessMemory(process, (char*)basic.PebBaseAddress + kPebGdiTableOffset, &table, sizeof table, &read) &&
        table) {
        std::vector<GdiTableEntry> entries(kGdiTableEntries);
        if (ReadProcessMemory(process, (void*)(ULONG_PTR)table, entries.data(), entries.size() * sizeof entries[0],
                              &read)) {
            // Under Windows the table is shared and each entry names its process;
            // under Wine it is the process's own and the owner field is 0.
            count = 0;
            for (const GdiTableEntry& e : entries)
                if (IsBitmapEntry(e.type) && ((e.owner & 0xFFFF) == (processId & 0xFFFF) || e.owner == 0)) count++;
        }
    }
    CloseHandle(process);
    return count;
}
