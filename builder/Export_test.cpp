#include "Export.h"

#include <gtest/gtest.h>

#include <functional>

#include "ExportTestFolder.h"

static const char* const kUnableToSaveMessage = "Error: Unable to save the project !";

TEST(ExportPaths, ExeIsAddedUnlessTheExtensionIsExactlyExe) {
    const struct {
        const char* chosen;
        const char* program;
    } cases[] = {
        {"C:\\Out\\Game", "C:\\Out\\Game.exe"},
        {"C:\\Out\\Game.exe", "C:\\Out\\Game.exe"},
        {"C:\\Out\\Game.EXE", "C:\\Out\\Game.EXE.exe"},
        {"C:\\Out\\Game.Exe", "C:\\Out\\Game.Exe.exe"},
        {"C:\\Out\\Game.swf", "C:\\Out\\Game.swf.exe"},
        {"C:\\My.Games\\Game", "C:\\My.Games\\Game.exe"},
        {"C:\\Out\\Game.", "C:\\Out\\Game..exe"},
        {"C:\\Out\\.exe", "C:\\Out\\.exe"},
        {"C:\\Out\\Game.tar.exe", "C:\\Out\\Game.tar.exe"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(S(WithExeExtension(c.chosen)), c.program) << c.chosen;
}

TEST(ExportPaths, FormedByPlainJoining) {
    ProjectPaths p = FormProjectPaths("C:\\Out\\Game.exe", "D:\\Clips\\intro.swf");
    EXPECT_EQ(S(p.program), "C:\\Out\\Game.exe");
    EXPECT_EQ(S(p.projectFolder), "C:\\Out\\");
    EXPECT_EQ(S(p.dataFolder), "C:\\Out\\data/");
    EXPECT_EQ(S(p.movieFileName), "intro.swf");
    EXPECT_EQ(S(p.movieCopy), "C:\\Out\\data/intro.swf");
    EXPECT_EQ(S(p.settings), "C:\\Out\\data/1013.dat");
    EXPECT_EQ(S(p.page), "C:\\Out\\data/1014.dat");
    std::string copies;
    for (auto& c : p.fragmentCopy) copies += S(c) + " ";
    EXPECT_EQ(copies,
              "C:\\Out\\data/1010.dat C:\\Out\\data/1011.dat C:\\Out\\data/1015.dat C:\\Out\\data/1016.dat "
              "C:\\Out\\data/1017.dat C:\\Out\\data/1018.dat C:\\Out\\data/1019.dat ");

    // No backslash: everything is relative to the current directory.
    ProjectPaths bare = FormProjectPaths("Game.exe", "intro.swf");
    EXPECT_EQ(S(bare.projectFolder), "");
    EXPECT_EQ(S(bare.movieCopy), "data/intro.swf");
    // Only the backslash separates: a movie path with a slash keeps it in the name.
    EXPECT_EQ(S(FormProjectPaths("C:\\Out\\G.exe", "D:\\Clips/intro.swf").movieFileName), "Clips/intro.swf");
}

TEST(ExportPaths, SamePathIgnoresCaseAndSeparatorKind) {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    const std::string here = std::string(cwd) + "\\";
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {"C:\\Out\\data\\intro.swf", "C:\\Out\\data/intro.swf", true},
        {"C:\\Out\\data\\intro.swf", "c:\\OUT\\Data\\INTRO.SWF", true},
        {"C:\\Out\\x\\..\\data\\intro.swf", "C:\\Out\\data/intro.swf", true},
        {"data/intro.swf", here + "data\\intro.swf", true},
        {"C:\\Out\\data\\intro.swf", "C:\\Out\\data\\intro2.swf", false},
        {"C:\\Out\\data\\intro.swf", "C:\\Other\\data\\intro.swf", false},
        {"", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(SamePath(c.a.c_str(), c.b.c_str()), c.same) << c.a << " / " << c.b;
}

// Validation and refusals: one message at most, no dialog, nothing written.
TEST_F(ExportTest, RefusesMissingAndUnstorableValuesBeforeAskingForThePath) {
    const struct {
        const char* name;
        std::function<void(ExportInput&)> change;
        const char* message;
    } cases[] = {
        {"all four empty",
         [](ExportInput& in) { in.projectName = in.moviePath = in.width = in.height = ""; },
         "Please enter project name !"},
        {"movie, width, height empty", [](ExportInput& in) { in.moviePath = in.width = in.height = ""; },
         "SWF file is missing !"},
        {"width and height empty", [](ExportInput& in) { in.width = in.height = ""; }, "Please enter window width !"},
        {"height empty", [](ExportInput& in) { in.height = ""; }, "Please enter window height !"},
        {"empty beats unstorable",
         [](ExportInput& in) {
             in.projectName = "\x95";
             in.height = "";
         },
         "Please enter window height !"},
        // 149 and 152 scramble to LF and CR.
        {"project name", [](ExportInput& in) { in.projectName = "My \x95 Game"; },
         "The project name contains a character that cannot be saved !"},
        {"movie file name", [&](ExportInput& in) { in.moviePath = (root / "clips\\a\x98.swf").c_str(); },
         "The SWF file name contains a character that cannot be saved !"},
        {"width", [](ExportInput& in) { in.width = "80\x98"; }, "The width contains a character that cannot be saved !"},
        {"height", [](ExportInput& in) { in.height = "\x95"; }, "The height contains a character that cannot be saved !"},
        {"x top", [](ExportInput& in) { in.tuning.xTop = "\x95"; },
         "The x top value contains a character that cannot be saved !"},
        {"y top", [](ExportInput& in) { in.tuning.yTop = "\x98"; },
         "The y top value contains a character that cannot be saved !"},
        {"x bottom", [](ExportInput& in) { in.tuning.xBottom = "\x95"; },
         "The x bottom value contains a character that cannot be saved !"},
        {"y bottom", [](ExportInput& in) { in.tuning.yBottom = "1\x95"; },
         "The y bottom value contains a character that cannot be saved !"},
        {"first unstorable field is named",
         [](ExportInput& in) {
             in.projectName = "\x95";
             in.width = "\x95";
         },
         "The project name contains a character that cannot be saved !"},
    };
    const ExportInput good = input;
    for (const auto& c : cases) {
        input = good;
        ui = FakeUi();
        c.change(input);
        EXPECT_EQ(Export(), AfterExport::kBackToForm) << c.name;
        EXPECT_EQ(ui.messages, Strings{std::string("Error: ") + c.message}) << c.name;
        EXPECT_TRUE(ui.dialogs.empty()) << c.name;
        EXPECT_EQ(ListFolder(out), "") << c.name;
        EXPECT_EQ(ListFolder(builder), "files") << c.name;
    }
}

TEST_F(ExportTest, TextsThatOnlyLookOddPassValidation) {
    const struct {
        const char* name;
        std::function<void(ExportInput&)> change;
    } cases[] = {
        {"project name of one space", [](ExportInput& in) { in.projectName = " "; }},
        {"width abc", [](ExportInput& in) { in.width = "abc"; }},
        {"empty tuning values", [](ExportInput& in) { in.tuning = TuningValues{"", "", "", ""}; }},
        // Only the file part of the movie path is stored.
        {"odd folder of the movie", [&](ExportInput& in) {
             MakeFolder(root / "clips\\\x95");
             WriteBytes(root / "clips\\\x95\\m.swf", kMovie);
             in.moviePath = (root / "clips\\\x95\\m.swf").c_str();
         }},
    };
    const ExportInput good = input;
    for (const auto& c : cases) {
        input = good;
        ui = FakeUi();
        c.change(input);
        ui.savePath = out + c.name;
        EXPECT_EQ(Export(), AfterExport::kBackToForm) << c.name;
        EXPECT_TRUE(ui.messages.empty()) << c.name << ": " << (ui.messages.empty() ? "" : ui.messages[0]);
        ASSERT_EQ(ui.dialogs.size(), 1u) << c.name;
        Settings s = SettingsOnDisk();
        EXPECT_EQ(S(s[kProjectName]), S(input.projectName)) << c.name;
        EXPECT_EQ(S(s[kWidth]), S(input.width)) << c.name;
        EXPECT_EQ(S(s[kYBottom]), S(input.tuning.yBottom)) << c.name;
    }
}

TEST_F(ExportTest, ACancelledSaveDialogEndsTheExportSilently) {
    ui.savePath = "";
    EXPECT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_EQ(ui.dialogs, Strings{"Save as EXE (Windowed)|Exe (*.exe)|*.exe"});
    EXPECT_TRUE(ui.messages.empty());
    // Nothing in the current directory (where an empty project folder would point).
    EXPECT_EQ(ListFolder(builder), "files");
    EXPECT_EQ(ListFolder(builder + "files"), "01.dat 02.dat 1010.dat 1011.dat 1015.dat 1016.dat 1017.dat 1018.dat 1019.dat");
    EXPECT_EQ(ListFolder(out), "");
}

TEST_F(ExportTest, WindowedProjectFolderByteForByte) {
    EXPECT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_EQ(ui.dialogs, Strings{"Save as EXE (Windowed)|Exe (*.exe)|*.exe"});
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(ListFolder(out), "Game.exe data");
    EXPECT_EQ(ReadBytes(out + "Game.exe"), kPlayerStub);
    EXPECT_EQ(ListFolder(out + "data"), "1013.dat 1014.dat intro.swf");
    EXPECT_EQ(ReadBytes(Data("intro.swf")), kMovie);

    const Strings lines = {"800", "600", "intro.swf", "My Game", "1", "nomenu", "5", "-3", "20", "16"};
    EXPECT_EQ(ExpectedSettings("1"), lines);
    EXPECT_EQ(ReadBytes(Data("1013.dat")), SettingsBytes(lines));
    Settings s = SettingsOnDisk();
    for (int i = 0; i < kSettingCount; i++) EXPECT_EQ(S(s.value[i]), lines[i]) << "line " << i + 1;

    EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage("820", "616", "intro.swf"));
    // The builder's own folder is left as it was.
    EXPECT_EQ(ListFolder(builder), "files");
}

TEST_F(ExportTest, FullScreenProjectFolderByteForByte) {
    input.outputKind = "Full Screen";
    ui.savePath = out + "Game.EXE";
    EXPECT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_EQ(ui.dialogs, Strings{"Save as EXE (Windowed)|Exe (*.exe)|*.exe"});
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(ListFolder(out), "Game.EXE.exe data");
    EXPECT_EQ(ReadBytes(out + "Game.EXE.exe"), kFullScreenStub);
    EXPECT_EQ(ListFolder(out + "data"),
              "1010.dat 1011.dat 1013.dat 1014.dat 1015.dat 1016.dat 1017.dat 1018.dat 1019.dat intro.swf");
    EXPECT_EQ(ReadBytes(Data("intro.swf")), kMovie);
    EXPECT_EQ(ReadBytes(Data("1013.dat")), SettingsBytes(ExpectedSettings("2")));
    EXPECT_EQ(S(SettingsOnDisk()[kDisplayMode]), "2");
    for (int f = 0; f < kFragmentCount; f++) EXPECT_EQ(ReadBytes(Data(FragmentName(f))), kTestFragments[f]) << f;
    EXPECT_EQ(ReadBytes(Data("1014.dat")), std::string("\r\ncodebase random>"));
}

// Failures of the export itself: what the user is told and what is on disk after.
TEST_F(ExportTest, FailedStepsAndWhatFollowsThem) {
    const struct {
        const char* name;
        std::function<void()> prepare;
        Strings messages;
        std::function<void()> check;
    } cases[] = {
        {"no stub: one message, the rest is written",
         [&] { DeleteFileA((builder + "files\\01.dat").c_str()); },
         {kUnableToSaveMessage},
         [&] {
             EXPECT_EQ(ListFolder(out), "data");
             EXPECT_EQ(ListFolder(out + "data"), "1013.dat 1014.dat intro.swf");
             EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage("820", "616", "intro.swf"));
         }},
        {"movie deleted after it was chosen: line 3 still names it",
         [&] { DeleteFileA(movie.c_str()); },
         {kUnableToSaveMessage},
         [&] {
             EXPECT_EQ(ListFolder(out + "data"), "1013.dat 1014.dat");
             EXPECT_EQ(S(SettingsOnDisk()[kMovieFileName]), "intro.swf");
             EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage("820", "616", "intro.swf"));
         }},
        {"settings file cannot be created: earlier files stay, no page",
         [&] {
             MakeFolder(out + "data");
             MakeFolder(Data("1013.dat"));
         },
         {kUnableToSaveMessage},
         [&] {
             EXPECT_EQ(ReadBytes(out + "Game.exe"), kPlayerStub);
             EXPECT_EQ(ReadBytes(Data("intro.swf")), kMovie);
             EXPECT_FALSE(FileExists(Data("1014.dat")));
         }},
        {"no stub and no movie: two messages",
         [&] {
             DeleteFileA((builder + "files\\01.dat").c_str());
             DeleteFileA(movie.c_str());
         },
         {kUnableToSaveMessage, kUnableToSaveMessage},
         [&] { EXPECT_EQ(ListFolder(out + "data"), "1013.dat 1014.dat"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree(out);
        MakeFolder(out);
        WriteBytes(builder + "files\\01.dat", kPlayerStub);
        WriteBytes(movie, kMovie);
        ui = FakeUi();
        ui.savePath = out + "Game";
        c.prepare();
        EXPECT_EQ(Export(), AfterExport::kBackToForm);
        EXPECT_EQ(ui.messages, c.messages);
        c.check();
    }
}

TEST_F(ExportTest, ExportingAgainReplacesItsFilesAndKeepsOthers) {
    // An earlier full-screen export with another movie, and a file of the user's.
    input.outputKind = "Full Screen";
    ASSERT_EQ(Export(), AfterExport::kBackToForm);
    WriteBytes(Data("notes.txt"), "mine");

    WriteBytes(root / "clips\\second.swf", "FWS second");
    input.outputKind = "Windowed";
    input.moviePath = (root / "clips\\second.swf").c_str();
    input.projectName = "Renamed";
    ASSERT_EQ(Export(), AfterExport::kBackToForm);
    ASSERT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(ReadBytes(out + "Game.exe"), kPlayerStub);
    EXPECT_EQ(ListFolder(out + "data"),
              "1010.dat 1011.dat 1013.dat 1014.dat 1015.dat 1016.dat 1017.dat 1018.dat 1019.dat intro.swf notes.txt "
              "second.swf");
    EXPECT_EQ(ReadBytes(Data("notes.txt")), "mine");
    EXPECT_EQ(ReadBytes(Data("1013.dat")), SettingsBytes(ExpectedSettings("1", "second.swf")));
    // The tuning is added once, however often the project is exported.
    EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage("820", "616", "second.swf"));
}

TEST_F(ExportTest, AMovieFromTheProjectsOwnDataFolderIsLeftInPlace) {
    ASSERT_EQ(Export(), AfterExport::kBackToForm);
    // The same file, spelled with other case and, through the export, with "data/".
    ui.savePath = root.path() + "OUT\\game";
    input.moviePath = (root / "Out\\DATA\\Intro.SWF").c_str();
    EXPECT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];
    EXPECT_EQ(ReadBytes(Data("intro.swf")), kMovie);
    EXPECT_EQ(S(SettingsOnDisk()[kMovieFileName]), "Intro.SWF");
    EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage("820", "616", "Intro.SWF"));
}

TEST_F(ExportTest, ASettingsFileOnAFullDiskIsReported) {
    MakeFolder(out + "data");
    if (!LinkToFullDisk(Data("1013.dat"))) GTEST_SKIP() << "no full-disk device to write to";
    EXPECT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_EQ(ui.messages, Strings{kUnableToSaveMessage});
    // The export stopped there: no page.
    EXPECT_FALSE(FileExists(Data("1014.dat")));
}

TEST_F(ExportTest, AReadOnlySettingsFileIsReported) {
    MakeFolder(out + "data");
    WriteBytes(Data("1013.dat"), "earlier settings");
    SetFileAttributesA(Data("1013.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    {
        FileWriter probe(Text(Data("1013.dat").c_str()));
        if (probe.IsOpen())
            GTEST_SKIP() << "this user may write read-only files (root under Wine); a folder named 1013.dat "
                            "stands in for them in FailedStepsAndWhatFollowsThem";
    }
    EXPECT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_EQ(ui.messages, Strings{kUnableToSaveMessage});
    EXPECT_EQ(ReadBytes(Data("1013.dat")), "earlier settings");
    EXPECT_EQ(ReadBytes(out + "Game.exe"), kPlayerStub);
    EXPECT_FALSE(FileExists(Data("1014.dat")));
}
