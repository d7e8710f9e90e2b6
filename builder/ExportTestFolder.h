// What the export tests share: a fake user interface that records what the
// export asked and said, and a temporary folder laid out like the builder's
// (files/ with both stubs and seven fragment files) made the current
// directory, with a movie to export and an empty folder for the project.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Export.h"
#include "FakeUi.h"
#include "PageAssembly.h"
#include "Settings.h"
#include "TestFiles.h"
#include "UiDriver.h"

using Strings = std::vector<std::string>;

inline std::string S(const Text& t) { return std::string(t.c_str(), t.size()); }

inline const std::string kPlayerStub = std::string("MZ player stub\r\n\0\x01\xFF", 19);
inline const std::string kFullScreenStub = "MZ full-screen stub";
inline const std::string kMovie = std::string("FWS\x0A\x10\0\0movie", 12);

// Test fragments with spaces, all three kinds of line end, lines after the
// marker and a 1011.dat with more than one line; each piece names its file.
inline const char* const kTestFragments[kFragmentCount] = {
    "  [1010 w=  \r\n  codebase random>  \r\nnever\r\n",
    " [1011 h= \r\nnever\r\n",
    "[1015\r\n m=\r\ncodebase random>\r\n",
    "[1016 m=\r\ncodebase random>\r\ncodebase random>\r\nnever",
    "[1017 w=\ncodebase random>\n",
    "[1018 h=\rcodebase random>",
    "\t[1019]\r\ncodebase random>\r\n",
};

// The page those fragments give for the given values.
inline std::string TestPage(const std::string& w, const std::string& h, const std::string& movie) {
    return "[1010 w=" + w + "[1011 h=" + h + "[1015m=" + movie + "[1016 m=" + movie + "[1017 w=" + w + "[1018 h=" + h +
           "\t[1019]";
}

// The bytes the settings file holds for these values: each scrambled, CR LF between.
inline std::string SettingsBytes(const Strings& values) {
    std::string out;
    for (size_t i = 0; i < values.size(); i++) {
        for (unsigned char c : values[i]) {
            unsigned char r = (unsigned char)((c + kScrambleShift) & 255);
            if (r) out += (char)r;
        }
        if (i + 1 < values.size()) out += "\r\n";
    }
    return out;
}

class ExportTest : public ::testing::Test {
protected:
    TempDir root{"export"};
    const std::string builder = root / "builder\\";  // the current directory during a test
    const std::string out = root / "Out\\";          // the project's folder
    const std::string movie = root / "clips\\intro.swf";
    FakeUi ui;
    ExportInput input;

    void SetUp() override {
        MakeFolder(builder);
        MakeFolder(builder + "files");
        MakeFolder(out);
        MakeFolder(root / "clips");
        WriteBytes(builder + "files\\01.dat", kPlayerStub);
        WriteBytes(builder + "files\\02.dat", kFullScreenStub);
        for (int f = 0; f < kFragmentCount; f++) WriteBytes(Fragment(f), kTestFragments[f]);
        WriteBytes(movie, kMovie);
        GetCurrentDirectoryA(sizeof savedDirectory_, savedDirectory_);
        ASSERT_TRUE(SetCurrentDirectoryA(builder.c_str()));

        input.projectName = "My Game";
        input.moviePath = movie.c_str();
        input.tuning.xTop = "5";
        input.tuning.yTop = "-3";
        input.tuning.xBottom = "20";
        input.tuning.yBottom = "16";
        ui.savePath = out + "Game";
    }

    void TearDown() override {
        for (auto& link : links_) RunUnix("/bin/rm -f \"" + link.second + "\"", [&] { return !Exists(link.first); });
        SetCurrentDirectoryA(savedDirectory_);
    }

    AfterExport Export() { return ExportProject(input, ui); }

    std::string Fragment(int f) const { return builder + "files\\" + FragmentName(f); }
    std::string Data(const std::string& name) const { return out + "data\\" + name; }

    Settings SettingsOnDisk() const {
        std::string bytes = ReadBytes(Data("1013.dat"));
        MemorySource src(bytes.data(), bytes.size());
        return ReadSettings(src);
    }

    // The ten lines the export writes for `input` (line 5 and the movie name given).
    Strings ExpectedSettings(const std::string& displayMode, const std::string& movieName = "intro.swf") const {
        return {S(input.width),         S(input.height),       movieName,
                S(input.projectName),   displayMode,           "nomenu",
                S(input.tuning.xTop),   S(input.tuning.yTop),  S(input.tuning.xBottom),
                S(input.tuning.yBottom)};
    }

    // Makes the file `path` a link to the device that fails every write as a
    // full disk does. This needs the Linux side of Wine; false elsewhere.
    bool LinkToFullDisk(const std::string& path) {
        typedef char*(CDECL * UnixName)(const WCHAR*);
        auto unixName = (UnixName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
        if (!unixName) return false;
        WCHAR wide[MAX_PATH];
        if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH)) return false;
        char* name = unixName(wide);
        if (!name) return false;
        std::string unixPath = name;
        HeapFree(GetProcessHeap(), 0, name);
        links_.emplace_back(path, unixPath);
        return RunUnix("/bin/ln -s /dev/full \"" + unixPath + "\"", [&] { return Exists(path); });
    }

private:
    char savedDirectory_[MAX_PATH] = "";
    std::vector<std::pair<std::string, std::string>> links_;  // the links made (path, unix path), removed after the test

    // Wine gives no attributes for a link to a device, but lists it.
    static bool Exists(const std::string& path) {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA(path.c_str(), &found);
        if (h == INVALID_HANDLE_VALUE) return false;
        FindClose(h);
        return true;
    }

    // Wine starts a Linux program given by its path; its end cannot be waited
    // for through the handle, so wait for its effect.
    static bool RunUnix(const std::string& command, const std::function<bool()>& done) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::vector<char> line(command.begin(), command.end());
        line.push_back(0);
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
        if (pi.hProcess) CloseHandle(pi.hProcess);
        if (pi.hThread) CloseHandle(pi.hThread);
        return WaitUntil(done, 5000);
    }
};
