// A project made by the real export, played by the real player.
#include <gtest/gtest.h>

#include "Export.h"
#include "FakeUi.h"
#include "PlayerDriver.h"

namespace {

// The export finds files/01.dat and the fragment files in the current
// directory, as the builder does when started from its own folder.
class InDistFolder {
public:
    InDistFolder() {
        GetCurrentDirectoryA(sizeof saved_, saved_);
        SetCurrentDirectoryA(DistFolder().c_str());
    }
    ~InDistFolder() { SetCurrentDirectoryA(saved_); }

private:
    char saved_[MAX_PATH];
};

TEST(ExportedProject, PlaysWithItsStoredSizeTuningAndPage) {
    TempDir folder("exported");
    WriteBytes(folder / "clip.swf", "FWS movie");
    std::string program = folder / ProgramFileFor(Atl::kFake);
    ExportInput input;
    input.projectName = "Exported Demo";
    input.moviePath = (folder / "clip.swf").c_str();
    input.width = "640";
    input.height = "480";
    input.tuning.xTop = "20";
    input.tuning.yTop = "5";
    input.tuning.xBottom = "-10";
    input.tuning.yBottom = "16";
    FakeUi ui(program);
    {
        InDistFolder here;
        ExportProject(input, ui);
    }
    ASSERT_EQ(ui.messages, std::vector<std::string>{});
    ASSERT_EQ(ReadBytes(program), ReadBytes(DistFolder() + "files\\01.dat"));
    ASSERT_TRUE(FileExists(folder / "data\\1014.dat"));
    CopyFileA((TestProgramFolder() + "fake-atl.dll").c_str(), (folder / "ATL.DLL").c_str(), FALSE);

    auto player = StartPlayerProgram(program, Atl::kFake, folder.path());
    HWND window = WaitForPlayerWindow(*player, "Exported Demo");
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_EQ(GetMenu(window), nullptr);  // the export always writes "nomenu"
    HWND page = DescendantById(window, 1);
    ASSERT_NE(page, nullptr);
    RECT r = RectInParent(page);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, -10);
    EXPECT_EQ(r.right - r.left, 657);
    EXPECT_EQ(r.bottom - r.top, 530);

    std::string navigate;
    ASSERT_TRUE(WaitUntil([&] {
        for (const std::string& line : AtlRecordIn(folder.path()))
            if (line.rfind("navigate ", 0) == 0) navigate = line;
        return !navigate.empty();
    }));
    EXPECT_EQ(navigate.substr(navigate.find("url=")), "url=file:\\\\" + folder.path() + "data/1014.dat");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player->WaitExit(), 0);
}

}  // namespace
