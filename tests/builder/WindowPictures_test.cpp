// The builder's windows as the screen shows them: the artwork fills each
// window, its labels are there, and every control is drawn over it (none is
// hidden under the artwork). The pictures are kept in builder-pictures\ next
// to the test program for a person to look at.
#include <gtest/gtest.h>

#include <cstdlib>

#include "BuilderDriver.h"

namespace {

struct Box {
    int x, y, w, h;
};

bool IsArtworkBlue(const WindowPicture& p, int x, int y) {
    int r, g, b;
    p.At(x, y, r, g, b);
    return abs(r - 136) + abs(g - 169) + abs(b - 223) < 40;
}

int WhitePixels(const WindowPicture& p, const Box& box) {
    int count = 0;
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x) {
            int r, g, b;
            p.At(x, y, r, g, b);
            if (r > 230 && g > 230 && b > 230) ++count;
        }
    return count;
}

// Points inside each control, away from its text, where the artwork must not show.
void ExpectControlsDrawn(const WindowPicture& p, const Box* controls, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const Box& c = controls[i];
        int y = c.y + c.h / 2;
        EXPECT_FALSE(IsArtworkBlue(p, c.x + 3, y) && IsArtworkBlue(p, c.x + c.w - 4, y))
            << "control at " << c.x << "," << c.y << " is not drawn";
    }
}

int DarkPixels(const WindowPicture& p, const Box& box) {
    int count = 0;
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x) {
            int r, g, b;
            p.At(x, y, r, g, b);
            if (r < 90 && g < 90 && b < 90) ++count;
        }
    return count;
}

// The window's picture once painting has settled: it shows the artwork at a
// plain spot and looks the same in several pictures taken one after another.
WindowPicture SettledPicture(HWND window, int plainX, int plainY) {
    WindowPicture last;
    int same = 0;
    WaitUntil([&] {
        WindowPicture now = TakePicture(window);
        bool painted = !now.Empty() && IsArtworkBlue(now, plainX, plainY);
        same = painted && now.rows == last.rows ? same + 1 : 0;
        last = now;
        return same >= 5;
    }, 15000);
    return last;
}

TEST(BuilderPictures, MainWindowShowsArtworkLabelsAndEveryControl) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    WindowPicture p = SettledPicture(builder.main(), 300, 110);
    ASSERT_FALSE(p.Empty());
    EXPECT_TRUE(SavePicture(p, PictureFolder() + "main-window.bmp"));
    ASSERT_EQ(p.width, 600);
    ASSERT_EQ(p.height, 300);

    const Box controls[] = {{520, 15, 70, 20},  {520, 37, 70, 20},  {520, 59, 70, 20},  {35, 80, 450, 20},
                            {35, 130, 400, 20}, {435, 130, 50, 20}, {35, 230, 300, 20}, {415, 230, 70, 20},
                            {115, 180, 50, 20}, {284, 180, 50, 20}, {415, 180, 70, 20}};
    ExpectControlsDrawn(p, controls, std::size(controls));
    // The editable fields show their white background.
    for (const Box& field : {Box{35, 80, 450, 20}, Box{115, 180, 50, 20}, Box{284, 180, 50, 20}})
        EXPECT_GT(WhitePixels(p, {field.x + field.w - 12, field.y + 5, 8, 10}), 70);
    // Every text that a control shows is drawn: buttons, "800", "600", "Windowed".
    for (const Box& c : {controls[0], controls[1], controls[2], controls[5], controls[6], controls[7],
                         controls[8], controls[9], controls[10]})
        EXPECT_GT(DarkPixels(p, {c.x + 2, c.y + 2, c.w - 4, c.h - 4}), 8) << "text of " << c.x << "," << c.y;

    const Box labels[] = {{10, 13, 137, 12}, {190, 30, 150, 20}, {36, 62, 102, 15}, {36, 112, 70, 13},
                          {36, 162, 150, 13}, {55, 180, 52, 13}, {220, 180, 56, 14}, {36, 212, 58, 16}};
    for (const Box& label : labels) EXPECT_GT(WhitePixels(p, label), 20) << "label at " << label.x << "," << label.y;
}

TEST(BuilderPictures, TuningDialogShowsArtworkLabelsAndEveryControl) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    WindowPicture p = SettledPicture(tuning, 50, 180);
    ASSERT_FALSE(p.Empty());
    EXPECT_TRUE(SavePicture(p, PictureFolder() + "tuning-dialog.bmp"));
    ASSERT_EQ(p.width, 200);
    ASSERT_EQ(p.height, 200);

    const Box controls[] = {{80, 170, 40, 20}, {100, 40, 50, 20}, {100, 73, 50, 20}, {100, 106, 50, 20}, {100, 139, 50, 20}};
    ExpectControlsDrawn(p, controls, std::size(controls));
    for (const Box& c : controls)  // "Ok" and the four "0"
        EXPECT_GT(DarkPixels(p, {c.x + 2, c.y + 2, c.w - 4, c.h - 4}), 5) << "text of " << c.x << "," << c.y;
    const Box labels[] = {{100, 8, 95, 14}, {40, 42, 43, 14}, {40, 75, 43, 14}, {12, 108, 71, 14}, {12, 141, 71, 15}};
    for (const Box& label : labels) EXPECT_GT(WhitePixels(p, label), 20) << "label at " << label.x << "," << label.y;

    // The whole builder as it looks with the dialog open in front.
    EXPECT_TRUE(SavePicture(SettledPicture(GetDesktopWindow(), 430, 300), PictureFolder() + "screen-with-dialog.bmp"));
}

}  // namespace
