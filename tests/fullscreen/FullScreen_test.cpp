// The full-screen program as a user meets it: a project exported as
// "Full Screen", its program started from the file manager or from elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Export.h"
#include "FakeUi.h"
#include "Page.h"
#include "TestFiles.h"
#include "UiDriver.h"

namespace {

constexpr const char* kClass = "TamsoloFullScreen";

// A full-screen project exported by the builder's export from the staged
// distribution folder (its files/02.dat is the full-screen program).
class FullScreenProject {
public:
    explicit FullScreenProject(const char* xBottom = "0", const char* yBottom = "0") : dir_("fs") {
        WriteBytes(dir_ / "movie clip.swf", "FWS\x06 a small movie");
        ExportInput input;
        input.projectName = "Show";
        input.moviePath = Text((dir_ / "movie clip.swf").c_str());
        input.outputKind = "Full Screen";
        input.tuning.xBottom = xBottom;
        input.tuning.yBottom = yBottom;
        MakeFolder(dir_ / "out");
        char previous[MAX_PATH];
        GetCurrentDirectoryA(sizeof previous, previous);
        SetCurrentDirectoryA(DistFolder().c_str());
        FakeUi ui(dir_ / "out\\Show.exe");
        ExportProject(input, ui);
        SetCurrentDirectoryA(previous);
        messages = ui.messages;
    }
    std::string folder() const { return dir_ / "out\\"; }
    std::string exe() const { return folder() + "Show.exe"; }
    std::string data() const { return folder() + "data\\"; }
    std::vector<std::string> messages;

private:
    TempDir dir_;
};

std::string TemporaryPageOf(const Process& program) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "tamsolo-" + std::to_string(program.Id()) + ".htm";
}

HWND WaitForShow(const Process& program) { return WaitForTopWindow(program.Id(), kClass, nullptr); }

}  // namespace

TEST(FullScreenProgram, ExportedProjectCoversTheScreenWithItsPage) {
    FullScreenProject project("20", "-8");
    ASSERT_EQ(project.messages, std::vector<std::string>{});
    ASSERT_EQ(ReadBytes(project.exe()), ReadBytes(DistFolder() + "files\\02.dat"));

    // Started from another current directory: it finds its data beside its program file.
    TempDir elsewhere("cwd");
    Process program(project.exe(), elsewhere.path());
    HWND window = WaitForShow(program);
    ASSERT_NE(window, nullptr);

    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 1024);
    EXPECT_EQ(r.bottom, 768);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(TextOf(window), "");
    EXPECT_EQ(GetMenu(window), nullptr);

    HWND view = GetDlgItem(window, 1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ClassOf(view), "AtlAxWin");
    RECT v = RectInParent(view);
    EXPECT_EQ(v.left, -10);
    EXPECT_EQ(v.top, -15);
    EXPECT_EQ(v.right - v.left, 1024 + 27);
    EXPECT_EQ(v.bottom - v.top, 768);

    // The page it hands to the browser: the screen's size plus the tuning, the movie by its full address.
    std::string page = ReadBytes(TemporaryPageOf(program));
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.find("width=\"1044\""), std::string::npos) << page;
    EXPECT_NE(page.find("height=\"760\""), std::string::npos) << page;
    std::string movie = "file:///" + project.data() + "movie%20clip.swf";
    for (auto& c : movie)
        if (c == '\\') c = '/';
    EXPECT_NE(page.find(movie), std::string::npos) << page;
    EXPECT_EQ(page.find("\r"), std::string::npos);

    PressKeys(window, {VK_ESCAPE});
    EXPECT_EQ(program.WaitExit(), 0);
    EXPECT_FALSE(FileExists(TemporaryPageOf(program)));
}

TEST(FullScreenProgram, WritesNothingIntoAReadOnlyProjectFolder) {
    FullScreenProject project;
    auto makeReadOnly = [](const std::string& folder) {
        for (const std::string& name : {std::string("Show.exe"), std::string("data")})
            SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_READONLY);
    };
    makeReadOnly(project.folder());
    std::string dataBefore = ListFolder(project.data());
    std::string folderBefore = ListFolder(project.folder());

    Process program(project.exe(), project.folder());
    HWND window = WaitForShow(program);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ReadBytes(TemporaryPageOf(program)).empty());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitExit(), 0);
    EXPECT_EQ(ListFolder(project.data()), dataBefore);
    EXPECT_EQ(ListFolder(project.folder()), folderBefore);
    SetFileAttributesA(project.exe().c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((project.folder() + "data").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FullScreenProgram, AltF4EndsIt) {
    FullScreenProject project;
    Process program(project.exe(), project.folder());
    HWND window = WaitForShow(program);
    ASSERT_NE(window, nullptr);
    PressKeys(window, {VK_F4}, false, true);
    EXPECT_EQ(program.WaitExit(), 0);
}

TEST(FullScreenProgram, MissingPiecesAreToldNotShownBlank) {
    struct Case {
        const char* remove;  // in the data folder
        const char* message;
    } cases[] = {
        {"1013.dat", "Error: can't read the file"},
        {"1016.dat", "Error: can't read the file \"data\\1016.dat\" of this project."},
        {"movie clip.swf", "Error: the movie \"movie clip.swf\" is missing from the project's data folder."},
    };
    for (auto& c : cases) {
        FullScreenProject project;
        DeleteFileA((project.data() + c.remove).c_str());
        Process program(project.exe(), project.folder());
        HWND box = WaitForDialog(program.Id(), "Tamsolo");
        ASSERT_NE(box, nullptr) << c.remove;
        EXPECT_EQ(MessageBoxTextOf(box), c.message);
        EXPECT_TRUE(TopWindows(program.Id(), kClass).empty());
        PressOk(box);
        EXPECT_EQ(program.WaitExit(), 0) << c.remove;
    }
}
