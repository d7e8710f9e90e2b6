// The tuning dialog: storing on "Ok" only, a fresh dialog on every
// "SWF Tuning", Escape ignored there, and dragging moves the main window.
#include <gtest/gtest.h>

#include "BuilderDriver.h"

namespace {

std::vector<std::string> FieldsOf(const BuilderSession& builder) {
    std::vector<std::string> texts;
    for (int id : {kXTop, kYTop, kXBottom, kYBottom}) texts.push_back(TextOf(builder.TuningControl(id)));
    return texts;
}

TEST(BuilderTuning, OkStoresTheTextsExactlyAndTheNextOpeningShowsThem) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    ASSERT_NE(builder.OpenTuning(), nullptr);
    const std::vector<std::string> typed = {"5", "abc", " 12", ""};
    const int ids[] = {kXTop, kYTop, kXBottom, kYBottom};
    for (int i = 0; i < 4; ++i) SetTextOf(builder.TuningControl(ids[i]), typed[i]);
    Click(builder.TuningControl(kOk));
    ASSERT_TRUE(WaitUntil([&] { return builder.Tuning() == nullptr; }));
    EXPECT_TRUE(builder.process().Running());

    ASSERT_NE(builder.OpenTuning(), nullptr);
    EXPECT_EQ(FieldsOf(builder), typed);
}

TEST(BuilderTuning, ASecondSwfTuningReplacesTheDialogAndDropsWhatWasTyped) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    HWND first = builder.OpenTuning();
    ASSERT_NE(first, nullptr);
    SetTextOf(builder.TuningControl(kXTop), "7");
    HWND second = builder.OpenTuning(first);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first) && IsWindowVisible(first) && first != second);
    EXPECT_EQ(TopWindows(builder.pid(), kTuningClass).size(), 1u);
    EXPECT_EQ(FieldsOf(builder), std::vector<std::string>({"0", "0", "0", "0"}));
}

TEST(BuilderTuning, EscapeInTheDialogDoesNothing) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    PressKeys(tuning, {VK_TAB});  // "Ok"
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(tuning) == builder.TuningControl(kOk); }));
    PressKeys(tuning, {VK_ESCAPE});
    PressKeys(tuning, {VK_TAB});  // handled after the Escape: the field gets the focus
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(tuning) == builder.TuningControl(kXTop); }));
    PressKeys(tuning, {VK_ESCAPE});
    PressKeys(tuning, {'7'});  // typed beside the "0", wherever the caret stands
    ASSERT_TRUE(WaitUntil([&] {
        std::string text = TextOf(builder.TuningControl(kXTop));
        return text == "07" || text == "70";
    }));
    EXPECT_TRUE(builder.process().Running());
    EXPECT_EQ(builder.Tuning(), tuning);
}

TEST(BuilderTuning, PressingOnEitherArtworkDragsTheMainWindow) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    auto origin = [](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return POINT{r.left, r.top};
    };
    POINT before = origin(builder.main());
    // A plain spot of the main artwork, right of the heading.
    DragMouse({before.x + 400, before.y + 40}, -60, -50);
    ASSERT_TRUE(WaitUntil([&] { return origin(builder.main()).x == before.x - 60; }));
    EXPECT_EQ(origin(builder.main()).y, before.y - 50);

    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    POINT dialog = origin(tuning);
    before = origin(builder.main());
    // The dialog's artwork, left of the heading.
    DragMouse({dialog.x + 30, dialog.y + 15}, 40, 30);
    ASSERT_TRUE(WaitUntil([&] { return origin(builder.main()).x == before.x + 40; }));
    EXPECT_EQ(origin(builder.main()).y, before.y + 30);
    EXPECT_EQ(origin(tuning).x, dialog.x);
    EXPECT_EQ(origin(tuning).y, dialog.y);
}

}  // namespace
