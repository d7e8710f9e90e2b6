// "Save Picture" through the real save dialog: file names, bitmap headers,
// pixels compared with the screen, the right source window, GDI objects.
#include <gtest/gtest.h>

#include <set>

#include "PlayerDriver.h"

namespace {

constexpr int kBandTop = 30;

// The colour the stand-in ATL.DLL paints at (x, y) of the page view.
COLORREF Pattern(int x, int y) { return RGB((x * 5) & 255, (y * 3) & 255, ((x + y) * 7) & 255); }

struct RunningPlayer {
    std::unique_ptr<Process> process;
    HWND window = nullptr;
};

RunningPlayer Start(const TestProject& project, const std::string& title, const std::string& currentDir = "") {
    RunningPlayer p;
    p.process = StartPlayer(project, currentDir);
    p.window = WaitForPlayerWindow(*p.process, title);
    return p;
}

Settings PictureSettings(const char* width, const char* height, const char* title = "Picture Test") {
    Settings s = WindowedSettings();
    s[kWidth] = width;
    s[kHeight] = height;
    s[kMenuFlag] = "menu";
    s[kProjectName] = title;
    return s;
}

HWND OpenSaveDialog(const RunningPlayer& p) {
    PostMenuCommand(p.window, 1);
    return WaitForDialog(p.process->Id(), "Save as");
}

bool DialogGone(const RunningPlayer& p) {
    return WaitUntil([&] { return TopWindows(p.process->Id(), "#32770").empty(); });
}

// Saves through the dialog and waits until the file has the expected size.
bool SaveAs(const RunningPlayer& p, const std::string& path, size_t expectedBytes) {
    HWND dialog = OpenSaveDialog(p);
    if (!dialog || !AnswerFileDialog(dialog, path) || !DialogGone(p)) return false;
    return WaitUntil([&] { return ReadBytes(path).size() == expectedBytes; });
}

size_t BitmapBytes(int width, int height) { return 54 + (size_t)(width * 3 + width % 4) * height; }

RECT BandOnScreen(HWND window, int width, int height) {
    RECT client = ClientRectOnScreen(window);
    return {client.left, client.top + kBandTop, client.left + width, client.top + kBandTop + height};
}

// The screen settles after the dialog has gone, so compare until it matches.
bool MatchesScreen(const Pixels& picture, HWND window) {
    return WaitUntil([&] {
        Pixels screen = CaptureScreen(BandOnScreen(window, picture.width, picture.height));
        return screen.width == picture.width && screen.height == picture.height && screen.bgr == picture.bgr;
    });
}

// The stand-in control paints its pattern when its window is first painted,
// which may come some time after the navigation under load: wait for it on the screen.
bool ShowsPattern(HWND window, int width, int height) {
    return WaitUntil([&] {
        Pixels screen = CaptureScreen(BandOnScreen(window, width, height));
        return screen.width == width && screen.height == height && screen.At(0, 0) == Pattern(10, 45) &&
               screen.At(width - 1, height - 1) == Pattern(width - 1 + 10, height - 1 + 45);
    });
}

TEST(SavePicture, DialogAndFileNamesAsTyped) {
    TestProject project(PictureSettings("5", "60"), Atl::kMissing);
    // Started from another folder that holds the same settings: the dialog
    // still starts in the program's folder.
    TempDir elsewhere("cwd");
    MakeFolder(elsewhere / "data");
    WriteBytes(elsewhere / "data\\1013.dat", ReadBytes(project.folder() + "data\\1013.dat"));
    RunningPlayer p = Start(project, "Picture Test", elsewhere.path());
    ASSERT_NE(p.window, nullptr);

    HWND dialog = OpenSaveDialog(p);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), p.window);
    EXPECT_FALSE(IsWindowEnabled(p.window));
    HWND filter = DescendantById(dialog, 0x470);
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(TextOf(filter), "Image (*.bmp)");
    ASSERT_TRUE(AnswerFileDialog(dialog, "shot"));  // a bare name lands in the start folder
    ASSERT_TRUE(DialogGone(p));
    EXPECT_TRUE(IsWindowEnabled(p.window));
    ASSERT_TRUE(WaitUntil([&] { return ReadBytes(project.folder() + "shot").size() == 214; }));
    EXPECT_FALSE(FileExists(project.folder() + "shot.bmp"));
    EXPECT_FALSE(FileExists(elsewhere / "shot"));

    ASSERT_TRUE(SaveAs(p, project.folder() + "with.bmp", 214));

    WriteBytes(project.folder() + "old.bmp", "an older file");
    ASSERT_TRUE(SaveAs(p, project.folder() + "old.bmp", 214));
    EXPECT_EQ(ReadBytes(project.folder() + "old.bmp"), ReadBytes(project.folder() + "with.bmp"));

    std::string before = ListFolder(project.folder());
    dialog = OpenSaveDialog(p);
    ASSERT_NE(dialog, nullptr);
    CancelDialog(dialog);
    ASSERT_TRUE(DialogGone(p));
    EXPECT_EQ(ListFolder(project.folder()), before);
    EXPECT_TRUE(p.process->Running());

    PostMenuCommand(p.window, 3);
    EXPECT_EQ(p.process->WaitExit(), 0);
}

// Header fields and row padding for widths with 0 to 3 padding bytes; the
// band shows the window's button-face background when there is no page view.
TEST(SavePicture, HeadersPaddingAndBackground) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int width : {5, 6, 7, 8, 130}) {
        SCOPED_TRACE("width " + std::to_string(width));
        TestProject project(PictureSettings(std::to_string(width).c_str(), "61"), Atl::kMissing);
        RunningPlayer p = Start(project, "Picture Test");
        ASSERT_NE(p.window, nullptr);
        const int height = 11;
        const unsigned row = width * 3 + width % 4;
        std::string path = project.folder() + "p.bmp";
        ASSERT_TRUE(SaveAs(p, path, BitmapBytes(width, height)));
        std::string b = ReadBytes(path);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(Field32(b, 2), b.size());
        EXPECT_EQ(Field32(b, 6), 0u);
        EXPECT_EQ(Field32(b, 10), 54u);
        EXPECT_EQ(Field32(b, 14), 40u);
        EXPECT_EQ(Field32(b, 18), (unsigned)width);
        EXPECT_EQ(Field32(b, 22), (unsigned)height);
        EXPECT_EQ(Field16(b, 26), 1u);
        EXPECT_EQ(Field16(b, 28), 24u);
        EXPECT_EQ(Field32(b, 30), 0u);
        EXPECT_EQ(Field32(b, 34), row * height);
        for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(Field32(b, at), 0u) << at;
        Pixels picture = PixelsOfBitmapFile(b);
        ASSERT_EQ(picture.width, width);
        std::set<COLORREF> colours;
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) colours.insert(picture.At(x, y));
        EXPECT_EQ(colours, std::set<COLORREF>{face});
        EXPECT_TRUE(MatchesScreen(picture, p.window));
        PostMenuCommand(p.window, 3);
        EXPECT_EQ(p.process->WaitExit(), 0);
    }
}

// With a page that paints a pattern, the file holds exactly the band that the
// window shows: rows 30 to 459 of the inner area, bottom row first in the file.
TEST(SavePicture, PixelsAreTheBandTheWindowShows) {
    Settings s = PictureSettings("640", "480");
    TestProject project(s, Atl::kFake);
    RunningPlayer p = Start(project, "Picture Test");
    ASSERT_NE(p.window, nullptr);
    ASSERT_FALSE(project.WaitForRecord("navigate ").empty());
    ASSERT_TRUE(ShowsPattern(p.window, 640, 430));
    std::string path = project.folder() + "band.bmp";
    ASSERT_TRUE(SaveAs(p, path, 54 + 1920 * 430));
    Pixels picture = PixelsOfBitmapFile(ReadBytes(path));
    ASSERT_EQ(picture.width, 640);
    ASSERT_EQ(picture.height, 430);
    // The page view lies at (-10, -15), so the band starts at (10, 45) of the page.
    for (int y : {0, 1, 100, 429})
        for (int x : {0, 1, 2, 3, 320, 639}) EXPECT_EQ(picture.At(x, y), Pattern(x + 10, y + 45)) << x << "," << y;
    EXPECT_TRUE(MatchesScreen(picture, p.window));
    PostMenuCommand(p.window, 3);
    EXPECT_EQ(p.process->WaitExit(), 0);
}

// A band without pixels (height up to 50, or no width): the dialog opens, nothing is written.
TEST(SavePicture, EmptyBandWritesNothing) {
    for (auto size : {std::make_pair("640", "50"), std::make_pair("640", "20"), std::make_pair("abc", "480"),
                      std::make_pair("-3", "480")}) {
        SCOPED_TRACE(std::string(size.first) + " x " + size.second);
        TestProject project(PictureSettings(size.first, size.second), Atl::kMissing);
        RunningPlayer p = Start(project, "Picture Test");
        ASSERT_NE(p.window, nullptr);
        HWND dialog = OpenSaveDialog(p);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(AnswerFileDialog(dialog, project.folder() + "none.bmp"));
        ASSERT_TRUE(DialogGone(p));
        // The loop still answers: Quit ends it, and only then is nothing certain to be written.
        PostMenuCommand(p.window, 3);
        EXPECT_EQ(p.process->WaitExit(), 0);
        EXPECT_FALSE(FileExists(project.folder() + "none.bmp"));
    }
}

// Two players with the same title: each takes its picture from its own window,
// even when the other one is ahead of it in the window order.
TEST(SavePicture, TakenFromTheOwnWindowNotAnotherWithTheSameTitle) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (bool patternFirst : {false, true}) {
        SCOPED_TRACE(patternFirst ? "pattern player first" : "plain player first");
        TestProject first(PictureSettings("300", "200", "Twin"), patternFirst ? Atl::kFake : Atl::kMissing, "first");
        TestProject second(PictureSettings("300", "200", "Twin"), patternFirst ? Atl::kMissing : Atl::kFake, "second");
        RunningPlayer a = Start(first, "Twin");
        ASSERT_NE(a.window, nullptr);
        RunningPlayer b = Start(second, "Twin");
        ASSERT_NE(b.window, nullptr);
        SetWindowPos(b.window, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, "Twin") == b.window; }));
        if (patternFirst) {
            ASSERT_FALSE(first.WaitForRecord("navigate ").empty());
            ASSERT_TRUE(ShowsPattern(a.window, 300, 150));
        }

        std::string path = first.folder() + "twin.bmp";
        HWND dialog = OpenSaveDialog(a);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(IsWindowEnabled(a.window));  // disabled although the dialog has no owner
        ASSERT_TRUE(AnswerFileDialog(dialog, path));
        ASSERT_TRUE(DialogGone(a));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(a.window) != FALSE; }));
        ASSERT_TRUE(WaitUntil([&] { return ReadBytes(path).size() == BitmapBytes(300, 150); }));
        Pixels picture = PixelsOfBitmapFile(ReadBytes(path));
        if (patternFirst) {
            EXPECT_EQ(picture.At(0, 0), Pattern(10, 45));
            EXPECT_EQ(picture.At(299, 149), Pattern(309, 194));
        } else {
            EXPECT_EQ(picture.At(0, 0), face);
            EXPECT_EQ(picture.At(299, 149), face);
        }
        EXPECT_TRUE(MatchesScreen(picture, a.window));
        PostMenuCommand(a.window, 3);
        PostMenuCommand(b.window, 3);
        EXPECT_EQ(a.process->WaitExit(), 0);
        EXPECT_EQ(b.process->WaitExit(), 0);
    }
}

// Each Save Picture releases the previous picture image. The save dialog
// keeps a few images of its own (up to about one a round, seen under load),
// so counting starts after two rounds, and the sixteen pictures of eight more
// rounds may not leave twelve bitmaps behind: a picture image kept each time
// would leave at least sixteen.
TEST(SavePicture, RepeatedSavesKeepOnePictureImage) {
    TestProject project(PictureSettings("640", "480"), Atl::kMissing);
    RunningPlayer p = Start(project, "Picture Test");
    ASSERT_NE(p.window, nullptr);
    DWORD id = p.process->Id();
    ASSERT_GE(GdiBitmapCount(id), 0) << "the player's GDI handle table cannot be read";
    std::string path = project.folder() + "again.bmp";
    auto saveThenCancel = [&] {
        DeleteFileA(path.c_str());
        if (!SaveAs(p, path, BitmapBytes(640, 430))) return false;
        HWND dialog = OpenSaveDialog(p);
        if (!dialog) return false;
        CancelDialog(dialog);
        return DialogGone(p);
    };
    ASSERT_TRUE(saveThenCancel());
    ASSERT_TRUE(saveThenCancel());
    int settled = GdiBitmapCount(id);
    for (int i = 0; i < 8; i++) ASSERT_TRUE(saveThenCancel());
    EXPECT_LT(GdiBitmapCount(id) - settled, 12);
    PostMenuCommand(p.window, 3);
    EXPECT_EQ(p.process->WaitExit(), 0);
}

}  // namespace
