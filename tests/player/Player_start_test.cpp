// The player's start: where it finds its settings, what it does when they are
// missing or odd, and the display modes that open no window.
#include <gtest/gtest.h>

#include "PlayerDriver.h"

namespace {

bool HasVisibleIcon(HWND box) {
    for (HWND c : Descendants(box))
        if (ClassOf(c) == "Static" && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c))
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
    EXPECT_FALSE(HasVisibleIcon(box));
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

// A line longer than a text can hold is cut at 63,999 bytes; the lines after
// it are still read in their places.
TEST(PlayerStart, OverlongSettingsLineIsCutAndTheRestStillRead) {
    Settings s = WindowedSettings();
    s[kWidth] = "400";
    s[kHeight] = "300";
    TestProject project(s, Atl::kFake);
    std::string name(70000, 'N');
    std::string file;
    for (int line = 0; line < kSettingCount; line++) {
        std::string value = line == kProjectName ? name : std::string(s.value[line].c_str());
        for (char& c : value) c = (char)(unsigned char)((unsigned char)c + kScrambleShift);
        file += value + (line + 1 < kSettingCount ? "\r\n" : "");
    }
    WriteBytes(project.folder() + "data\\1013.dat", file);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, std::string(63999, 'N'));
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player->WaitExit(), 0);
}

}  // namespace
