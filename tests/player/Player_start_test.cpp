// The player's start: where it finds its settings, what it does when they are
// missing or odd, and the display modes that open no window.
#include <gtest/gtest.h>

#include "PlayerDriver.h"

namespace {

// The box keeps its icon control even without an icon; it then shows none.
bool ShowsAnIcon(HWND box) {
    for (HWND c : Descendants(box))
        if (ClassOf(c) == "Static" && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c) &&
            SendMessageA(c, STM_GETICON, 0, 0) != 0)
            return true;
    return false;
}

std::vector<std::string> ButtonTexts(HWND box) {
    std::vector<std::string> texts;
    for (HWND c : Descendants(box))
        if (ClassOf(c) == "Button" && IsWindowVisible(c)) texts.push_back(TextOf(c));
    return texts;
}

void ExpectSettingsMessageThenExit(Process& player) {
    HWND box = WaitForDialog(player.Id(), "Tamsolo");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxTextOf(box), "Error: can't read the file");
    EXPECT_EQ(ButtonTexts(box), std::vector<std::string>{"OK"});
    EXPECT_FALSE(ShowsAnIcon(box));
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);  // no window of the player exists yet
    EXPECT_EQ(TopWindows(player.Id()).size(), 1u);
    EXPECT_TRUE(player.Running());  // the box waits for the user
    PressOk(box);
    EXPECT_EQ(player.WaitExit(), 0);
}

TEST(PlayerStart, MissingSettingsFileIsReportedThenThePlayerEnds) {
    TestProject project(WindowedSettings(), Atl::kFake);
    DeleteFileA((project.folder() + "data\\1013.dat").c_str());
    auto player = StartPlayer(project);
    ExpectSettingsMessageThenExit(*player);
    EXPECT_EQ(project.Record(), std::vector<std::string>{});  // no page view was attempted
}

TEST(PlayerStart, SettingsAreLookedForInTheCurrentDirectoryNotBesideTheProgram) {
    TestProject project(WindowedSettings(), Atl::kFake);
    TempDir elsewhere("cwd");
    auto player = StartPlayer(project, elsewhere.path());
    ExpectSettingsMessageThenExit(*player);
}

TEST(PlayerStart, AnotherProjectsSettingsInTheCurrentDirectoryServeButThePageStaysOwn) {
    TestProject project(WindowedSettings(), Atl::kFake);
    Settings other = WindowedSettings();
    other[kProjectName] = "Other Project";
    other[kWidth] = "320";
    other[kHeight] = "200";
    TestProject otherProject(other, Atl::kMissing, "other");
    auto player = StartPlayer(project, otherProject.folder());
    HWND window = WaitForPlayerWindow(*player, "Other Project");
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 200);
    std::string navigate = project.WaitForRecord("navigate ");
    EXPECT_NE(navigate.find("url=file:\\\\" + project.folder() + "data/1014.dat"), std::string::npos) << navigate;
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player->WaitExit(), 0);
}

TEST(PlayerStart, ModesOtherThanOneAndTwoEndAtOnceWithoutAWindow) {
    for (const char* mode : {"3", "01", "", "1 ", "2\t"}) {
        Settings s = WindowedSettings();
        s[kDisplayMode] = mode;
        TestProject project(s, Atl::kFake);
        auto player = StartPlayer(project);
        EXPECT_EQ(player->WaitExit(), 0) << "mode '" << mode << "'";
        EXPECT_EQ(project.Record(), std::vector<std::string>{}) << "mode '" << mode << "'";
    }
}

TEST(PlayerStart, EmptySettingsFileEndsSilently) {
    TestProject project(WindowedSettings(), Atl::kFake);
    WriteBytes(project.folder() + "data\\1013.dat", "");
    auto player = StartPlayer(project);
    EXPECT_EQ(player->WaitExit(), 0);
    EXPECT_EQ(project.Record(), std::vector<std::string>{});
}

// Five lines: the menu flag and the tuning values are empty, so no menu and
// a page view at (-10, -15) of W + 27 by H + 34. Arguments are ignored.
TEST(PlayerStart, ShortSettingsFileAndArguments) {
    TestProject project(WindowedSettings(), Atl::kFake);
    Settings s = WindowedSettings();
    std::string file;
    for (int line = 0; line < 5; line++)
        file += std::string(Scrambled(s.value[line], kScrambleShift, kScramble).c_str()) + (line < 4 ? "\n" : "");
    WriteBytes(project.folder() + "data\\1013.dat", file);
    auto player = StartPlayer(project, "", "2 menu data\\1013.dat");
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    EXPECT_NE(project.WaitForRecord("create ").find("x=-10 y=-15 w=827 h=634"), std::string::npos);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player->WaitExit(), 0);
}

std::string ScrambledFile(const Settings& s, int longLine, size_t longLength, char filler) {
    std::string file;
    for (int line = 0; line < kSettingCount; line++) {
        std::string value = line == longLine ? std::string(longLength, filler) : std::string(s.value[line].c_str());
        for (char& c : value) c = (char)(unsigned char)((unsigned char)c + kScrambleShift);
        file += value + (line + 1 < kSettingCount ? "\r\n" : "");
    }
    return file;
}

// A line longer than a text can hold is cut at 63,999 bytes; the lines after
// it are still read in their places.
TEST(PlayerStart, OverlongSettingsLineIsCutAndTheRestStillRead) {
    Settings s = WindowedSettings();
    s[kMenuFlag] = "menu";
    s[kXTop] = "20";
    TestProject project(s, Atl::kFake);
    WriteBytes(project.folder() + "data\\1013.dat", ScrambledFile(s, kMovieFileName, 200000, 'M'));
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    EXPECT_NE(GetMenu(window), nullptr);
    EXPECT_NE(project.WaitForRecord("create ").find(" x=10 y=-15 w=827 h=634"), std::string::npos);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player->WaitExit(), 0);
}

// A project name of 63,999 bytes after cutting: Windows shows it as the
// title; Wine refuses a window with so long a title, and the player, with no
// window to show, ends with exit code 0.
TEST(PlayerStart, OverlongProjectNameIsCutOrTheWindowlessPlayerEnds) {
    Settings s = WindowedSettings();
    TestProject project(s, Atl::kFake);
    WriteBytes(project.folder() + "data\\1013.dat", ScrambledFile(s, kProjectName, 70000, 'N'));
    auto player = StartPlayer(project);
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        std::vector<HWND> shown = TopWindows(player->Id());
        window = shown.empty() ? nullptr : shown.front();
        return window || !player->Running();
    }));
    if (window) {
        std::string title = TextOf(window);
        EXPECT_EQ(title.size(), 63999u);
        EXPECT_EQ(title.find_first_not_of('N'), std::string::npos);
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else {
        EXPECT_EQ(project.Record().size(), 0u) << "no page view without a window";
    }
    EXPECT_EQ(player->WaitExit(), 0);
}

}  // namespace

namespace {

// The shipped player is a bare program: no icon, version block or manifest.
TEST(PlayerProgram, CarriesNoResources) {
    std::string pe = ReadBytes(DistFolder() + "files\\01.dat");
    ASSERT_GT(pe.size(), 0x200u);
    ASSERT_EQ(pe.substr(0, 2), "MZ");
    size_t header = Field32(pe, 0x3C);
    ASSERT_EQ(pe.substr(header, 4), std::string("PE\0\0", 4));
    size_t optional = header + 24;
    ASSERT_EQ(Field16(pe, optional), 0x10Bu);  // a 32-bit program
    size_t resourceEntry = optional + 96 + 2 * 8;  // data directory 2: resources
    EXPECT_EQ(Field32(pe, resourceEntry), 0u);
    EXPECT_EQ(Field32(pe, resourceEntry + 4), 0u);
}

}  // namespace
