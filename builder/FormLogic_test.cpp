// The window rules that need no window: centring, the file-dialog filter, Tab order.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FormLogic.h"

TEST(Centring, HalfTheScreenMinusHalfTheWindowRoundedDown) {
    struct Case {
        int screen, window, start;
    } cases[] = {
        {1024, 600, 212}, {768, 300, 234}, {1024, 200, 412}, {768, 200, 284},
        {1023, 600, 211},  // 511 - 300
        {1024, 601, 212},  // 512 - 300
        {1023, 601, 211},  // 511 - 300
        {600, 600, 0},     {500, 600, 0},   // larger than the screen: at 0
        {599, 601, 0},     {0, 200, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CentredStart(c.screen, c.window), c.start) << c.screen << " " << c.window;
}

TEST(DialogFilter, BarsBecomeZeroBytesAndTheListEndsWithTwo) {
    char out[64];
    memset(out, 'x', sizeof out);
    ASSERT_TRUE(DialogFilter("Swf (*.swf)|*.swf", out, sizeof out));
    EXPECT_EQ(std::string(out, 19), std::string("Swf (*.swf)\0*.swf\0\0", 19));

    memset(out, 'x', sizeof out);
    ASSERT_TRUE(DialogFilter("A|*.a|B|*.b", out, sizeof out));
    EXPECT_EQ(std::string(out, 13), std::string("A\0*.a\0B\0*.b\0\0", 13));

    ASSERT_TRUE(DialogFilter("", out, sizeof out));
    EXPECT_EQ(std::string(out, 2), std::string("\0\0", 2));
}

TEST(DialogFilter, NeverWritesPastTheBuffer) {
    const char* filter = "Exe (*.exe)|*.exe";  // 17 bytes, needs 19
    char out[24];
    memset(out, 'x', sizeof out);
    EXPECT_TRUE(DialogFilter(filter, out, 19));
    EXPECT_EQ(out[19], 'x');
    memset(out, 'x', sizeof out);
    EXPECT_FALSE(DialogFilter(filter, out, 18));
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], '\0');
    for (int i = 2; i < 24; ++i) EXPECT_EQ(out[i], 'x') << i;
    EXPECT_FALSE(DialogFilter(filter, out, 0));
}

TEST(TabOrder, MovesAmongControlsThatCanTakeTheFocusAndWraps) {
    // The main window: picture (no tab stop), then eleven controls that take it.
    bool main[12] = {false, true, true, true, true, true, true, true, true, true, true, true};
    EXPECT_EQ(NextTabStop(main, 12, -1, false), 1);   // nothing focused: Help
    EXPECT_EQ(NextTabStop(main, 12, -1, true), 11);   // Shift+Tab: SWF Tuning
    EXPECT_EQ(NextTabStop(main, 12, 1, false), 2);
    EXPECT_EQ(NextTabStop(main, 12, 11, false), 1);   // wraps past the picture
    EXPECT_EQ(NextTabStop(main, 12, 1, true), 11);
    EXPECT_EQ(NextTabStop(main, 12, 5, true), 4);

    bool someDisabled[5] = {true, false, false, true, false};
    EXPECT_EQ(NextTabStop(someDisabled, 5, 0, false), 3);
    EXPECT_EQ(NextTabStop(someDisabled, 5, 3, false), 0);
    EXPECT_EQ(NextTabStop(someDisabled, 5, 0, true), 3);
    EXPECT_EQ(NextTabStop(someDisabled, 5, 2, false), 3);  // focus on one that cannot take it now

    bool one[3] = {false, true, false};
    EXPECT_EQ(NextTabStop(one, 3, 1, false), 1);
    EXPECT_EQ(NextTabStop(one, 3, 1, true), 1);

    bool none[3] = {false, false, false};
    EXPECT_EQ(NextTabStop(none, 3, -1, false), -1);
    EXPECT_EQ(NextTabStop(none, 0, -1, false), -1);
}
