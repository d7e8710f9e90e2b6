// The player's window, menu, page view and event loop, on a 1024 x 768 screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerDriver.h"

namespace {

constexpr DWORD kWindowedStyle = WS_CAPTION | WS_SYSMENU | WS_VISIBLE;

RECT ExpectedOuter(int clientWidth, int clientHeight) {
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&r, kWindowedStyle, FALSE);
    // The system widens a captioned window to its smallest tracking size.
    int width = std::max<int>(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
    int height = std::max<int>(r.bottom - r.top, GetSystemMetrics(SM_CYMINTRACK));
    return {0, 0, width, height};
}

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

std::string Utf8OfAnsi(const std::string& ansi) {
    std::wstring wide(ansi.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], (int)wide.size());
    std::string out(n * 4 + 1, '\0');
    int m = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &out[0], (int)out.size(), nullptr, nullptr);
    out.resize(m > 0 ? m - 1 : 0);
    return out;
}

int CountStarting(const std::vector<std::string>& lines, const std::string& prefix) {
    return (int)std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

int CountExactly(const std::vector<std::string>& lines, const std::string& line) {
    return (int)std::count(lines.begin(), lines.end(), line);
}

void CloseAndExpectExitZero(Process& player, HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player.WaitExit(), 0);
}

struct GeometryCase {
    const char* name;
    const char* width;
    const char* height;
    const char* tuning[4];  // x top, y top, x bottom, y bottom
    const char* menuFlag;
    int clientWidth;
    int clientHeight;  // before the menu bar takes its share
    bool menu;
    RECT pageView;     // left, top, right, bottom in the inner area
};

const GeometryCase kGeometry[] = {
    {"defaults", "800", "600", {"0", "0", "0", "0"}, "nomenu", 800, 600, false, {-10, -15, 817, 619}},
    {"tuned", "640", "480", {"20", "5", "-10", "16"}, "nomenu", 640, 480, false, {10, -10, 667, 520}},
    {"menu", "800", "600", {"0", "0", "0", "0"}, "menu", 800, 620, true, {-10, -15, 817, 619}},
    {"capital Menu", "800", "600", {"0", "0", "0", "0"}, "Menu", 800, 600, false, {-10, -15, 817, 619}},
    {"menu with a space", "800", "600", {"0", "0", "0", "0"}, "menu ", 800, 600, false, {-10, -15, 817, 619}},
    {"width without digits", "abc", "480", {"0", "0", "12", "0"}, "menu", 0, 500, true, {-10, -15, 29, 499}},
};

TEST(PlayerWindow, WindowedGeometry) {
    for (const GeometryCase& c : kGeometry) {
        SCOPED_TRACE(c.name);
        Settings s = WindowedSettings();
        s[kWidth] = c.width;
        s[kHeight] = c.height;
        s[kXTop] = c.tuning[0];
        s[kYTop] = c.tuning[1];
        s[kXBottom] = c.tuning[2];
        s[kYBottom] = c.tuning[3];
        s[kMenuFlag] = c.menuFlag;
        s[kProjectName] = "Geometry Test";
        TestProject project(s, Atl::kFake);
        auto player = StartPlayer(project);
        HWND window = WaitForPlayerWindow(*player, "Geometry Test");
        ASSERT_NE(window, nullptr);
        ASSERT_FALSE(project.WaitForRecord("navigate ").empty());

        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(RectText(outer), RectText(ExpectedOuter(c.clientWidth, c.clientHeight)));
        RECT client;
        GetClientRect(window, &client);
        if (c.clientWidth > 0) {
            EXPECT_EQ(client.right, c.clientWidth);
        }
        if (c.menu) {
            // The bar takes its own height out of the inner area.
            EXPECT_LT(client.bottom, c.clientHeight);
            EXPECT_GE(client.bottom, c.clientHeight - 2 * GetSystemMetrics(SM_CYMENU));
            EXPECT_NE(GetMenu(window), nullptr);
        } else {
            EXPECT_EQ(client.bottom, c.clientHeight);
            EXPECT_EQ(GetMenu(window), nullptr);
        }

        DWORD style = (DWORD)GetWindowLongA(window, GWL_STYLE);
        EXPECT_EQ(style & kWindowedStyle, kWindowedStyle);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD), 0u);
        EXPECT_EQ((DWORD)GetWindowLongA(window, GWL_EXSTYLE) & ~(DWORD)WS_EX_WINDOWEDGE, 0u);

        std::vector<HWND> children = Children(window);
        ASSERT_EQ(children.size(), 1u);
        HWND page = children[0];
        EXPECT_EQ(GetDlgCtrlID(page), 1);
        EXPECT_EQ(ClassOf(page), "AtlAxWin");
        EXPECT_EQ(RectText(RectInParent(page)), RectText(c.pageView));
        DWORD pageStyle = (DWORD)GetWindowLongA(page, GWL_STYLE);
        EXPECT_EQ(pageStyle & (WS_CHILD | WS_VISIBLE | WS_TABSTOP), (DWORD)(WS_CHILD | WS_VISIBLE));
        std::string create = project.WaitForRecord("create ");
        EXPECT_EQ(create.rfind("create text=Shell.Explorer.1 id=1 ", 0), 0u) << create;
        EXPECT_NE(create.find(" exstyle=00000000 "), std::string::npos) << create;

        std::vector<std::string> probe = ProbeInside(project, page);
        EXPECT_NE(std::find(probe.begin(), probe.end(), "probe class brush=btnface cursor=arrow icon=none"), probe.end());
        EXPECT_EQ(probe.front(), c.menu ? "probe menu=yes" : "probe menu=no");
        CloseAndExpectExitZero(*player, window);
    }
}

TEST(PlayerWindow, MenuBarItemsAndIdentifiers) {
    Settings s = WindowedSettings();
    s[kMenuFlag] = "menu";
    TestProject project(s, Atl::kFake);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    std::vector<std::string> probe = ProbeInside(project, DescendantById(window, 1));
    std::vector<std::string> expected = {
        "probe menu=yes",
        "probe title 0 File",
        "probe item 0 0 type=string id=1 state=0 text=Save Picture",
        "probe item 0 1 type=separator id=0",
        "probe item 0 2 type=string id=3 state=0 text=Quit",
        "probe title 1 Help",
        "probe item 1 0 type=string id=11 state=0 text=Help",
        "probe item 1 1 type=separator id=0",
        "probe item 1 2 type=string id=13 state=0 text=About",
        "probe class brush=btnface cursor=arrow icon=none",
        "probe end",
    };
    EXPECT_EQ(probe, expected);
    CloseAndExpectExitZero(*player, window);
}

TEST(PlayerWindow, FullScreenCoversTheVirtualScreen) {
    Settings s = WindowedSettings();
    s[kDisplayMode] = "2";
    s[kMenuFlag] = "menu";
    s[kXTop] = "20";
    s[kYBottom] = "16";
    TestProject project(s, Atl::kFake);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "");
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    EXPECT_EQ(RectText(outer), "0,0 1024x768");
    EXPECT_EQ(RectText(client), "0,0 1024x768");
    EXPECT_EQ((DWORD)GetWindowLongA(window, GWL_STYLE) & ~(DWORD)WS_CLIPSIBLINGS, (DWORD)(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(TextOf(window), "");
    HWND page = DescendantById(window, 1);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RectText(RectInParent(page)), "-10,-15 1051x768");
    EXPECT_EQ(ProbeInside(project, page).front(), "probe menu=no");
    CloseAndExpectExitZero(*player, window);
}

// What the player hands to the control: the page beside the program, once,
// with every other argument null; and it lets go of the control at the end.
TEST(PlayerWindow, NavigatesOnceToThePageBesideTheProgramAndReleasesTheControl) {
    TestProject project(WindowedSettings(), Atl::kFake, "My Games \xE9");
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    std::string expected = "navigate vt=8 flags=null target=null post=null headers=null url=" +
                           Utf8OfAnsi("file:\\\\" + project.folder() + "data/1014.dat");
    EXPECT_EQ(project.WaitForRecord("navigate "), expected);
    CloseAndExpectExitZero(*player, window);

    std::vector<std::string> record = project.Record();
    EXPECT_EQ(CountStarting(record, "init"), 1);
    EXPECT_EQ(CountStarting(record, "create "), 1);
    EXPECT_EQ(CountStarting(record, "navigate "), 1);
    // The host holds the last reference when its window goes: the player released its own.
    EXPECT_EQ(CountStarting(record, "destroy refs=1"), 1) << ::testing::PrintToString(record);
    EXPECT_EQ(record.back(), "control freed");
}

TEST(PlayerWindow, HostWithoutControlOrBrowserGivesAnEmptyPageViewAndNoNavigation) {
    for (const char* config : {"nocontrol", "nobrowser"}) {
        SCOPED_TRACE(config);
        TestProject project(WindowedSettings(), Atl::kFake);
        WriteBytes(project.folder() + "fake-atl.txt", config);
        auto player = StartPlayer(project);
        HWND window = WaitForPlayerWindow(*player, "Demo Project");
        ASSERT_NE(window, nullptr);
        ASSERT_FALSE(project.WaitForRecord("getcontrol ").empty());
        HWND page = DescendantById(window, 1);
        EXPECT_NE(page, nullptr);
        CloseAndExpectExitZero(*player, window);
        std::vector<std::string> record = project.Record();
        EXPECT_EQ(CountStarting(record, "navigate "), 0);
        EXPECT_EQ(CountStarting(record, "destroy refs=1"), 1) << ::testing::PrintToString(record);
    }
}

// Wine's own ATL: the control is created (it renders nothing here) and the player works.
TEST(PlayerWindow, WithTheSystemsAtl) {
    Settings s = WindowedSettings();
    s[kMenuFlag] = "menu";
    TestProject project(s, Atl::kSystem);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    HWND page = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (page = DescendantById(window, 1)) != nullptr; }));
    EXPECT_EQ(ClassOf(page), "AtlAxWin");
    EXPECT_EQ(RectText(RectInParent(page)), "-10,-15 827x634");
    // The host window holds the control's own windows.
    EXPECT_TRUE(WaitUntil([&] { return !Descendants(page).empty(); }));
    PostMenuCommand(window, 3);
    EXPECT_EQ(player->WaitExit(), 0);
}

TEST(PlayerWindow, WithoutUsableAtlTheWindowHasNoPageViewAndStillEnds) {
    for (Atl atl : {Atl::kBare, Atl::kMissing}) {
        for (bool quitByMenu : {true, false}) {
            SCOPED_TRACE(std::string(atl == Atl::kBare ? "bare ATL.DLL" : "no ATL.DLL") +
                         (quitByMenu ? ", Quit" : ", close box"));
            Settings s = WindowedSettings();
            s[kMenuFlag] = "menu";
            TestProject project(s, atl);
            auto player = StartPlayer(project);
            HWND window = WaitForPlayerWindow(*player, "Demo Project");
            ASSERT_NE(window, nullptr);
            EXPECT_NE(GetMenu(window), nullptr);
            EXPECT_TRUE(Children(window).empty());
            if (quitByMenu)
                PostMenuCommand(window, 3);
            else
                PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            EXPECT_EQ(player->WaitExit(), 0);
        }
    }
}

// The real menu, through the keyboard: Help and About change nothing, Quit ends.
TEST(PlayerWindow, MenuThroughTheKeyboard) {
    Settings s = WindowedSettings();
    s[kMenuFlag] = "menu";
    TestProject project(s, Atl::kMissing);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));

    // Help > Help, then Help > About.
    PressKeys(window, {VK_F10, VK_RIGHT, VK_DOWN, VK_RETURN});
    PressKeys(window, {VK_F10, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
    // File > Save Picture opens the save dialog; cancel it.
    PressKeys(window, {VK_F10, VK_DOWN, VK_RETURN});
    HWND dialog = WaitForDialog(player->Id(), "Save as");
    ASSERT_NE(dialog, nullptr);
    CancelDialog(dialog);
    ASSERT_TRUE(WaitUntil([&] { return TopWindows(player->Id(), "#32770").empty(); }));
    EXPECT_TRUE(player->Running());
    EXPECT_EQ(TopWindows(player->Id()).size(), 1u);
    // File > Quit.
    PressKeys(window, {VK_F10, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(player->WaitExit(), 0);
}

TEST(PlayerWindow, OnlyMenuCommandsCount) {
    Settings s = WindowedSettings();
    s[kMenuFlag] = "menu";
    TestProject project(s, Atl::kFake);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    HWND page = DescendantById(window, 1);
    // Help, About, and commands with the id of Save Picture or Quit that come
    // from a control or an accelerator: none of them does anything.
    PostMenuCommand(window, 11);
    PostMenuCommand(window, 13);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(1, 0), (LPARAM)page);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(1, 1), 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(3, 0), (LPARAM)page);
    // A Save Picture from the menu still opens its dialog after all of them.
    PostMenuCommand(window, 1);
    HWND dialog = WaitForDialog(player->Id(), "Save as");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TopWindows(player->Id(), "#32770").size(), 1u);
    CancelDialog(dialog);
    ASSERT_TRUE(WaitUntil([&] { return TopWindows(player->Id(), "#32770").empty(); }));
    EXPECT_TRUE(player->Running());
    CloseAndExpectExitZero(*player, window);
}

// Tab and Shift+Tab are taken by the player window; other keys reach the page.
TEST(PlayerWindow, TabNeverReachesThePage) {
    TestProject project(WindowedSettings(), Atl::kFake);
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    HWND page = DescendantById(window, 1);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    RECT area = ClientRectOnScreen(window);
    SetCursorPos(area.left + 200, area.top + 200);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    ASSERT_FALSE(project.WaitForRecord("focus").empty());

    PressKeys(window, {'A'});
    ASSERT_FALSE(project.WaitForRecord("keydown 65").empty());
    PressKeys(window, {VK_TAB});
    PressKeys(window, {VK_TAB}, true);
    PressKeys(window, {'B'});
    ASSERT_FALSE(project.WaitForRecord("keydown 66").empty());
    std::vector<std::string> record = project.Record();
    EXPECT_EQ(CountExactly(record, "keydown 9"), 0) << ::testing::PrintToString(record);
    EXPECT_EQ(CountExactly(record, "char 9"), 0);
    EXPECT_EQ(CountExactly(record, "char 97"), 1);  // the page got its other keys, as characters too
    EXPECT_EQ(CountExactly(record, "char 98"), 1);
    CloseAndExpectExitZero(*player, window);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Tab and Shift+Tab move the focus among the tab stops inside the window,
// here two buttons inside the page, round and back.
TEST(PlayerWindow, TabMovesTheFocusAmongTabStops) {
    TestProject project(WindowedSettings(), Atl::kFake);
    WriteBytes(project.folder() + "fake-atl.txt", "tabstops");
    auto player = StartPlayer(project);
    HWND window = WaitForPlayerWindow(*player, "Demo Project");
    ASSERT_NE(window, nullptr);
    HWND page = DescendantById(window, 1);
    ASSERT_NE(page, nullptr);
    HWND first = GetDlgItem(page, 101), second = GetDlgItem(page, 102);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    auto after = [&](std::vector<WORD> keys, bool shift, HWND expected) {
        PressKeys(window, keys, shift);
        return WaitUntil([&] { return FocusOf(window) == expected; }, 5000);
    };
    EXPECT_TRUE(after({VK_TAB}, false, first));
    EXPECT_TRUE(after({VK_TAB}, false, second));
    EXPECT_TRUE(after({VK_TAB}, false, first));
    EXPECT_TRUE(after({VK_TAB}, true, second));
    EXPECT_TRUE(after({VK_TAB}, true, first));
    EXPECT_EQ(CountExactly(project.Record(), "keydown 9"), 0);
    CloseAndExpectExitZero(*player, window);
}

}  // namespace
