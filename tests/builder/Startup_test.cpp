// The builder as it opens: its window, every control, the first contents,
// the tuning values, and the keyboard order of Tab.
#include <gtest/gtest.h>

#include "BuilderDriver.h"

namespace {

struct Expected {
    int id;
    const char* className;
    int x, y, w, h;
    const char* text;
};

// Creation order of the main window's controls.
const Expected kMainControls[] = {
    {kPicture, "Static", 0, 0, 600, 300, ""},
    {kHelp, "Button", 520, 15, 70, 20, "Help"},
    {kAbout, "Button", 520, 37, 70, 20, "About"},
    {kQuit, "Button", 520, 59, 70, 20, "Quit"},
    {kName, "Edit", 35, 80, 450, 20, ""},
    {kMovie, "Edit", 35, 130, 400, 20, ""},
    {kBrowse, "Button", 435, 130, 50, 20, "Browse"},
    {kOutput, "ComboBox", 35, 230, 300, 20, "Windowed"},
    {kSave, "Button", 415, 230, 70, 20, "Save"},
    {kWidth, "Edit", 115, 180, 50, 20, "800"},
    {kHeight, "Edit", 284, 180, 50, 20, "600"},
    {kTuning, "Button", 415, 180, 70, 20, "SWF Tuning"},
};

const Expected kTuningControls[] = {
    {kTuningPicture, "Static", 0, 0, 200, 200, ""},
    {kOk, "Button", 80, 170, 40, 20, "Ok"},
    {kXTop, "Edit", 100, 40, 50, 20, "0"},
    {kYTop, "Edit", 100, 73, 50, 20, "0"},
    {kXBottom, "Edit", 100, 106, 50, 20, "0"},
    {kYBottom, "Edit", 100, 139, 50, 20, "0"},
};

std::string Lower(std::string s) {
    for (char& c : s) c = (char)tolower((unsigned char)c);
    return s;
}

void ExpectControls(HWND window, const Expected* expected, size_t count) {
    std::vector<HWND> children = Children(window);
    ASSERT_EQ(children.size(), count);
    // Stacked in creation order, except the picture, which lies behind them all.
    for (size_t i = 1; i < count; ++i) EXPECT_EQ(GetDlgCtrlID(children[i - 1]), expected[i].id);
    EXPECT_EQ(GetDlgCtrlID(children.back()), expected[0].id);
    for (size_t i = 0; i < count; ++i) {
        const Expected& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(e.id));
        HWND c = GetDlgItem(window, e.id);
        if (e.id == 0) {  // GetDlgItem cannot tell id 0 from failure: look for it
            c = nullptr;
            for (HWND child : children)
                if (GetDlgCtrlID(child) == 0) c = child;
        }
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(Lower(ClassOf(c)), Lower(e.className));
        RECT r = RectInParent(c);
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.w);
        if (std::string(e.className) == "ComboBox")
            EXPECT_GE(r.bottom - r.top, 18);  // the system sizes the closed list by its font
        else
            EXPECT_EQ(r.bottom - r.top, e.h);
        EXPECT_EQ(TextOf(c), e.text);
        LONG style = GetWindowLongA(c, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_TRUE(style & WS_VISIBLE);
        if (e.id == kPicture || e.id == kTuningPicture) {
            EXPECT_EQ(style & SS_TYPEMASK, SS_BITMAP);
            EXPECT_FALSE(style & SS_NOTIFY);
            EXPECT_FALSE(style & WS_TABSTOP);
            EXPECT_NE(SendMessageA(c, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "artwork shown";
        } else {
            EXPECT_TRUE(style & WS_TABSTOP);
            EXPECT_TRUE(style & WS_GROUP);
            // (The font is seen in the window pictures: Wine answers WM_GETFONT
            // from another process with no font.)
        }
        LONG extended = GetWindowLongA(c, GWL_EXSTYLE);
        if (std::string(e.className) == "Edit") {  // a drop-down list draws its own edge
            EXPECT_TRUE(extended & WS_EX_CLIENTEDGE);
        }
        if (std::string(e.className) == "Edit") {
            EXPECT_TRUE(style & ES_AUTOHSCROLL);
            EXPECT_EQ((style & ES_READONLY) != 0, e.id == kMovie);
        }
        if (std::string(e.className) == "Button") {
            EXPECT_EQ(style & 0x0F, BS_PUSHBUTTON);
        }
    }
}

void ExpectTopWindow(HWND w, int width, int height) {
    RECT r{};
    GetWindowRect(w, &r);
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_EQ(r.left, screenW / 2 - width / 2);
    EXPECT_EQ(r.top, screenH / 2 - height / 2);
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    LONG style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_EQ(style & ~WS_CLIPSIBLINGS, (LONG)(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(GetWindowLongA(w, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
    EXPECT_EQ(TextOf(w), "Tamsolo");
    EXPECT_EQ(GetClassLongA(w, GCL_STYLE), 0);
}

TEST(BuilderStartup, MainWindowIsCentredWithEveryControlInPlace) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);  // the virtual screen of the test run
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    ExpectTopWindow(builder.main(), 600, 300);
    {
        RECT r{};
        GetWindowRect(builder.main(), &r);
        EXPECT_EQ(r.left, 212);
        EXPECT_EQ(r.top, 234);
    }
    ExpectControls(builder.main(), kMainControls, std::size(kMainControls));

    HWND list = builder.Control(kOutput);
    EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & 0x3, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListEntry(list, 0), "Windowed");
    EXPECT_EQ(ListEntry(list, 1), "Full Screen");
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
}

TEST(BuilderStartup, TuningDialogOpensCentredShowingZeros) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    ExpectTopWindow(tuning, 200, 200);
    ExpectControls(tuning, kTuningControls, std::size(kTuningControls));
    // A window of its own, not a child or owned window of the main window.
    EXPECT_EQ(GetParent(tuning), nullptr);
    EXPECT_TRUE(IsWindowEnabled(builder.main()));
}

TEST(BuilderStartup, TabVisitsTheControlsInCreationOrderAndWraps) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    ASSERT_EQ(FocusOf(builder.main()), builder.main());  // no control has the focus yet
    const int order[] = {kHelp, kAbout, kQuit, kName, kMovie, kBrowse, kOutput, kSave, kWidth, kHeight, kTuning, kHelp};
    for (int id : order) {
        PressKeys(builder.main(), {VK_TAB});
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(builder.main()) == builder.Control(id); })) << "id " << id;
    }
    for (int id : {kTuning, kHeight}) {
        PressKeys(builder.main(), {VK_TAB}, true);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(builder.main()) == builder.Control(id); })) << "back to " << id;
    }

    // The tuning dialog's own order: "Ok" first, then the four fields.
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    for (int id : {kOk, kXTop, kYTop, kXBottom, kYBottom, kOk}) {
        PressKeys(tuning, {VK_TAB});
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(tuning) == builder.TuningControl(id); })) << "id " << id;
    }
}

}  // namespace
