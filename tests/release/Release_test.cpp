// The release as a Windows user gets it: the zip unpacked into a fresh
// folder, and the installer with its Start-menu shortcut and uninstaller.
// The shell script that runs this program names both in the environment.
#include <windows.h>

#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "BuilderDriver.h"
#include "TestFiles.h"

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

// Exports the bundled sample movie through the builder's window, as a user
// would, from a builder started in `folder` (its current directory `currentDir`).
void ExportSampleThroughTheWindow(const std::string& folder, const std::string& currentDir,
                                  const std::string& programPath, bool fullScreen = false) {
    BuilderSession builder(folder + "Tamsolo.exe", currentDir);
    ASSERT_NE(builder.main(), nullptr);
    builder.Type(kName, "Sample Show");
    ASSERT_TRUE(builder.ChooseMovie(folder + "sample.swf"));
    if (fullScreen) builder.ChooseOutput(1);
    ASSERT_TRUE(builder.SaveAs(programPath));
    EXPECT_TRUE(builder.NoDialogOpen()) << "the export showed a message";
    Click(builder.Control(kQuit));
    EXPECT_EQ(builder.process().WaitExit(), 0);
}

void ExpectCompleteProject(const std::string& installed, const std::string& projectFolder) {
    // Compared as a whole without printing: these are binary files.
    EXPECT_TRUE(ReadBytes(projectFolder + "Show.exe") == ReadBytes(installed + "files\\01.dat")) << "program file";
    EXPECT_TRUE(ReadBytes(projectFolder + "data\\sample.swf") == ReadBytes(installed + "sample.swf")) << "movie copy";
    EXPECT_FALSE(ReadBytes(projectFolder + "data\\1013.dat").empty());
    std::string page = ReadBytes(projectFolder + "data\\1014.dat");
    EXPECT_NE(page.find("sample.swf"), std::string::npos);
    EXPECT_NE(page.find("800"), std::string::npos);
}

struct Shortcut {
    std::string target;
    std::string startFolder;
};

bool ReadShortcut(const std::string& path, Shortcut* out) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link)))
        return false;
    IPersistFile* file = nullptr;
    bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void**)&file));
    if (ok) {
        std::wstring wide(path.begin(), path.end());
        ok = SUCCEEDED(file->Load(wide.c_str(), STGM_READ));
        file->Release();
    }
    char buffer[MAX_PATH] = {};
    if (ok) ok = SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, 0));
    out->target = buffer;
    buffer[0] = 0;
    if (ok) ok = SUCCEEDED(link->GetWorkingDirectory(buffer, MAX_PATH));
    out->startFolder = buffer;
    link->Release();
    return ok;
}

long RunAndWait(const std::string& commandLine) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    WaitForSingleObject(pi.hProcess, 120000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return (long)code;
}

std::string CommonProgramsFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, path);
    return WithSlash(path);
}

}  // namespace

TEST(Release, TheUnpackedZipExportsAProjectWithTheBuilderStartedThere) {
    std::string unpacked = WithSlash(Env("TAMSOLO_UNPACKED"));
    ASSERT_NE(unpacked, "\\") << "run through release-test.sh";
    for (const char* name : {"Tamsolo.exe", "help.htm", "sample.swf", "files\\01.dat", "files\\02.dat",
                             "files\\1010.dat", "files\\1011.dat", "files\\1015.dat", "files\\1016.dat",
                             "files\\1017.dat", "files\\1018.dat", "files\\1019.dat"})
        EXPECT_TRUE(FileExists(unpacked + name)) << name;

    TempDir out("zip-project");
    ExportSampleThroughTheWindow(unpacked, unpacked, out / "Show.exe");
    ExpectCompleteProject(unpacked, out.path());
}

TEST(Release, AFullScreenProjectExportedThroughTheBuilderPlaysFullScreen) {
    std::string unpacked = WithSlash(Env("TAMSOLO_UNPACKED"));
    ASSERT_NE(unpacked, "\\") << "run through release-test.sh";
    TempDir out("zip-fullscreen");
    ExportSampleThroughTheWindow(unpacked, unpacked, out / "Show.exe", true);
    EXPECT_TRUE(ReadBytes(out / "Show.exe") == ReadBytes(unpacked + "files\\02.dat")) << "program file";
    EXPECT_EQ(ReadBytes(out / "data\\1014.dat"), "\r\ncodebase random>");

    Process show(out / "Show.exe", out.path());
    HWND window = WaitForTopWindow(show.Id(), "TamsoloFullScreen", nullptr);
    ASSERT_NE(window, nullptr);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
    PressKeys(window, {VK_ESCAPE});
    EXPECT_EQ(show.WaitExit(), 0);
}

TEST(Release, TheInstallerPutsTheBuilderWithAShortcutThatFindsItsFiles) {
    std::string setup = Env("TAMSOLO_SETUP");
    ASSERT_FALSE(setup.empty()) << "run through release-test.sh";
    TempDir target("install");
    std::string installed = target / "Tamsolo\\";
    // NSIS takes the install folder as the last argument, unquoted.
    ASSERT_EQ(RunAndWait("\"" + setup + "\" /S /D=" + installed.substr(0, installed.size() - 1)), 0);
    for (const char* name : {"Tamsolo.exe", "help.htm", "sample.swf", "files\\01.dat", "files\\02.dat",
                             "files\\1010.dat", "files\\1019.dat", "Uninstall.exe"})
        EXPECT_TRUE(FileExists(installed + name)) << name;

    CoInitialize(nullptr);
    std::string link = CommonProgramsFolder() + "Tamsolo\\Tamsolo.lnk";
    Shortcut shortcut;
    ASSERT_TRUE(ReadShortcut(link, &shortcut)) << link;
    EXPECT_EQ(WithSlash(shortcut.startFolder), installed);
    CoUninitialize();

    // Started as the shortcut starts it, the builder finds files\ and exports.
    TempDir out("installed-project");
    ExportSampleThroughTheWindow(installed, shortcut.startFolder, out / "Show.exe");
    ExpectCompleteProject(installed, out.path());

    // The uninstaller removes what was installed, and the shortcut; _?= keeps it in place so we can wait for it.
    EXPECT_EQ(RunAndWait("\"" + installed + "Uninstall.exe\" /S _?=" + installed.substr(0, installed.size() - 1)), 0);
    EXPECT_FALSE(FileExists(installed + "Tamsolo.exe"));
    EXPECT_FALSE(FileExists(installed + "files\\01.dat"));
    EXPECT_FALSE(FileExists(link));
    // A project the user saved is not touched.
    EXPECT_TRUE(FileExists(out / "Show.exe"));
}
