// The player's layout and bitmap rules, without windows or files.
#include <gtest/gtest.h>

#include "BitmapFile.h"
#include "PlayerLayout.h"

namespace {

Settings Windowed(const char* w, const char* h, const char* xt = "0", const char* yt = "0", const char* xb = "0",
                  const char* yb = "0", const char* menu = "nomenu") {
    Settings s;
    s[kWidth] = w;
    s[kHeight] = h;
    s[kProjectName] = "Demo";
    s[kDisplayMode] = "1";
    s[kMenuFlag] = menu;
    s[kXTop] = xt;
    s[kYTop] = yt;
    s[kXBottom] = xb;
    s[kYBottom] = yb;
    return s;
}

void ExpectBox(const Box& b, int left, int top, int width, int height) {
    EXPECT_EQ(b.left, left);
    EXPECT_EQ(b.top, top);
    EXPECT_EQ(b.width, width);
    EXPECT_EQ(b.height, height);
}

TEST(PlayerLayout, DisplayModeIsComparedExactly) {
    EXPECT_EQ(ChoosePresentation("1"), kWindowed);
    EXPECT_EQ(ChoosePresentation("2"), kFullScreen);
    for (const char* other : {"", "3", "01", "1 ", " 1", "2\t", "12"}) EXPECT_EQ(ChoosePresentation(other), kNoPresentation) << other;
}

TEST(PlayerLayout, OnlyTheExactMenuFlagGivesAMenu) {
    EXPECT_TRUE(WantsMenu("menu"));
    for (const char* other : {"nomenu", "Menu", "menu ", " menu", "MENU", ""}) EXPECT_FALSE(WantsMenu(other)) << other;
}

TEST(PlayerLayout, WindowedDefaults) {
    WindowLayout l = PlanWindow(Windowed("800", "600"), 1024, 768);
    EXPECT_EQ(l.presentation, kWindowed);
    EXPECT_EQ(l.style, (DWORD)(WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    EXPECT_STREQ(l.title.c_str(), "Demo");
    EXPECT_FALSE(l.menu);
    EXPECT_EQ(l.clientWidth, 800);
    EXPECT_EQ(l.clientHeight, 600);
    ExpectBox(l.pageView, -10, -15, 827, 634);
}

TEST(PlayerLayout, MenuAddsTwentyRowsToTheWindowButNotToThePageView) {
    WindowLayout l = PlanWindow(Windowed("800", "600", "0", "0", "0", "0", "menu"), 1024, 768);
    EXPECT_TRUE(l.menu);
    EXPECT_EQ(l.clientHeight, 620);
    ExpectBox(l.pageView, -10, -15, 827, 634);
}

TEST(PlayerLayout, TuningValuesMoveAndGrowThePageView) {
    ExpectBox(PlanWindow(Windowed("640", "480", "20", "5", "-10", "16"), 1024, 768).pageView, 10, -10, 657, 530);
    ExpectBox(PlanWindow(Windowed("640", "480", "20px", " 5", "", "+16"), 1024, 768).pageView, 10, -10, 667, 530);
}

TEST(PlayerLayout, WidthWithoutDigitsCountsAsZero) {
    WindowLayout l = PlanWindow(Windowed("abc", "480", "0", "0", "12", "0"), 1024, 768);
    EXPECT_EQ(l.clientWidth, 0);
    EXPECT_EQ(l.pageView.width, 12 + 27);
}

TEST(PlayerLayout, HugeNumbersWrapInsteadOfOverflowing) {
    WindowLayout l = PlanWindow(Windowed("2147483647", "2147483647", "0", "0", "1", "0", "menu"), 1024, 768);
    EXPECT_EQ(l.clientHeight, (int)(2147483647u + 20u));
    EXPECT_EQ(l.pageView.width, (int)(2147483647u + 28u));
}

TEST(PlayerLayout, FullScreenCoversTheScreenWhateverTheStoredSizes) {
    Settings s = Windowed("640", "480", "20", "5", "-10", "16", "menu");
    s[kDisplayMode] = "2";
    s[kProjectName] = "Not a title";
    WindowLayout l = PlanWindow(s, 1024, 768);
    EXPECT_EQ(l.presentation, kFullScreen);
    EXPECT_EQ(l.style, (DWORD)(WS_POPUP | WS_VISIBLE));
    EXPECT_STREQ(l.title.c_str(), "");
    EXPECT_FALSE(l.menu);
    EXPECT_EQ(l.clientWidth, 1024);
    EXPECT_EQ(l.clientHeight, 768);
    ExpectBox(l.pageView, -10, -15, 1051, 768);
}

TEST(PlayerLayout, CaptureBandFollowsTheStoredSize) {
    ExpectBox(CaptureBand(Windowed("640", "480")), 0, 30, 640, 430);
    ExpectBox(CaptureBand(Windowed("5", "60")), 0, 30, 5, 10);
    ExpectBox(CaptureBand(Windowed("5", "40")), 0, 30, 5, -10);
    ExpectBox(CaptureBand(Windowed("x", "")), 0, 30, 0, -50);
}

TEST(PlayerLayout, PageAddressJoinsWithoutConversion) {
    EXPECT_STREQ(PageAddress("C:\\Games\\Demo\\").c_str(), "file:\\\\C:\\Games\\Demo\\data/1014.dat");
    EXPECT_STREQ(PageAddress("C:\\My Games\\D\xE9mo\\").c_str(), "file:\\\\C:\\My Games\\D\xE9mo\\data/1014.dat");
}

TEST(PlayerLayout, PictureFolderLosesItsTrailingBackslash) {
    EXPECT_STREQ(PictureStartFolder("C:\\Games\\Demo\\").c_str(), "C:\\Games\\Demo");
    EXPECT_STREQ(PictureStartFolder("").c_str(), "");
}

TEST(BitmapFile, RowSizeIsPaddedToFourBytes) {
    const int widths[] = {1, 2, 3, 4, 5, 640};
    const DWORD rows[] = {4, 8, 12, 12, 16, 1920};
    for (int i = 0; i < 6; i++) {
        BitmapLayout l;
        ASSERT_TRUE(PlanBitmap(widths[i], 1, &l));
        EXPECT_EQ(l.rowBytes, rows[i]) << widths[i];
        EXPECT_EQ(l.rowBytes, (DWORD)(3 * widths[i] + widths[i] % 4));
    }
}

TEST(BitmapFile, FileSizes) {
    BitmapLayout l;
    ASSERT_TRUE(PlanBitmap(5, 10, &l));
    EXPECT_EQ(l.pixelBytes, 160u);
    EXPECT_EQ(l.fileBytes, 214u);
    ASSERT_TRUE(PlanBitmap(640, 430, &l));
    EXPECT_EQ(l.fileBytes, 54u + 1920u * 430u);
}

TEST(BitmapFile, EmptyOrOversizedPicturesAreRefused) {
    BitmapLayout l;
    EXPECT_FALSE(PlanBitmap(0, 10, &l));
    EXPECT_FALSE(PlanBitmap(10, 0, &l));
    EXPECT_FALSE(PlanBitmap(-5, 10, &l));
    EXPECT_FALSE(PlanBitmap(10, -1, &l));
    EXPECT_FALSE(PlanBitmap(40000, 40000, &l));  // 4.8 GB of rows
    EXPECT_TRUE(PlanBitmap(2147483647 / 3 / 4, 4, &l));
}

TEST(BitmapFile, HeaderBytes) {
    BitmapLayout l;
    ASSERT_TRUE(PlanBitmap(5, 10, &l));
    unsigned char h[kBitmapHeaderBytes];
    memset(h, 0xCC, sizeof h);
    FillBitmapHeaders(5, 10, l, h);
    const unsigned char expected[54] = {
        'B', 'M', 214, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40, 0, 0, 0, 5, 0, 0, 0, 10, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 160, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 54; i++) EXPECT_EQ(h[i], expected[i]) << "offset " << i;
}

TEST(BitmapFile, LargeValuesAreLittleEndian) {
    BitmapLayout l;
    ASSERT_TRUE(PlanBitmap(640, 430, &l));
    unsigned char h[kBitmapHeaderBytes];
    FillBitmapHeaders(640, 430, l, h);
    auto at32 = [&](int o) { return (DWORD)h[o] | (DWORD)h[o + 1] << 8 | (DWORD)h[o + 2] << 16 | (DWORD)h[o + 3] << 24; };
    EXPECT_EQ(at32(2), 54u + 1920u * 430u);
    EXPECT_EQ(at32(18), 640u);
    EXPECT_EQ(at32(22), 430u);
    EXPECT_EQ(at32(34), 1920u * 430u);
}

}  // namespace
