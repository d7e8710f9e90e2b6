// A builder whose main artwork cannot be decoded opens its window plain,
// without a picture, and every part of it still works.
#include <gtest/gtest.h>

#include "BuilderDriver.h"
#include "ProjectFiles.h"

namespace {

std::string DamagedBuilder() { return TestProgramFolder() + "builder_damaged_art.exe"; }

HWND PictureOf(HWND window) {
    for (HWND c : Children(window))
        if (GetDlgCtrlID(c) == 0 || GetDlgCtrlID(c) == kTuningPicture) return c;
    return nullptr;
}

TEST(BuilderWithDamagedArtwork, OpensPlainAndStillExports) {
    TempDir out("plain");
    BuilderSession builder(DamagedBuilder());
    ASSERT_NE(builder.main(), nullptr);
    HWND picture = PictureOf(builder.main());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "no picture for broken data";
    EXPECT_EQ(Children(builder.main()).size(), 12u);

    // The tuning artwork, cut short, gives a picture or none; the dialog works either way.
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    SetTextOf(builder.TuningControl(kXBottom), "10");
    Click(builder.TuningControl(kOk));
    ASSERT_TRUE(WaitUntil([&] { return builder.Tuning() == nullptr; }));

    builder.Type(kName, "Plain");
    ASSERT_TRUE(builder.ChooseMovie(DistFolder() + "sample.swf"));
    ASSERT_TRUE(builder.SaveAs(out / "Plain.exe"));
    EXPECT_EQ(ReadBytes(out / "Plain.exe"), ReadBytes(DistFolder() + "files\\01.dat"));
    EXPECT_EQ(ReadBytes(out / "data\\1014.dat"), ExpectedPage(DistFolder() + "files\\", 810, 600, "sample.swf"));

    Click(builder.Control(kQuit));
    EXPECT_EQ(builder.process().WaitExit(), 0);
}

}  // namespace
