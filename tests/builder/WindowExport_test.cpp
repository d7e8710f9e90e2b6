// Exports through the builder's own window, as a user does it: fields typed,
// the movie chosen in the real open dialog, the program path given in the
// real save dialog; then the project folder is read back byte for byte.
#include <gtest/gtest.h>

#include "BuilderDriver.h"
#include "ProjectFiles.h"

namespace {

std::string Files() { return DistFolder() + "files\\"; }

// The path as the file dialogs give it back: full, with no "..\\" in it.
std::string FullPath(const std::string& path) {
    char full[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return std::string(full, n);
}

std::string SampleMovie() { return FullPath(DistFolder() + "sample.swf"); }

TEST(BuilderExport, WritesTheProjectFolderFromTheForm) {
    ASSERT_TRUE(FileExists(Files() + "01.dat")) << "the player must be staged";
    TempDir out("export");
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);

    builder.Type(kName, "Demo Game");
    builder.Type(kWidth, "640");
    builder.Type(kHeight, "480");
    const std::string movie = SampleMovie();
    ASSERT_TRUE(builder.ChooseMovie(movie));
    EXPECT_EQ(TextOf(builder.Control(kMovie)), movie);

    // Tuning values confirmed with "Ok" ...
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    SetTextOf(builder.TuningControl(kXTop), "3");
    SetTextOf(builder.TuningControl(kYTop), "4");
    SetTextOf(builder.TuningControl(kXBottom), "20");
    SetTextOf(builder.TuningControl(kYBottom), "-10");
    Click(builder.TuningControl(kOk));
    ASSERT_TRUE(WaitUntil([&] { return builder.Tuning() == nullptr; }));
    // ... and then edited again without "Ok": the export must not take these.
    tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    SetTextOf(builder.TuningControl(kXTop), "99");
    SetTextOf(builder.TuningControl(kYBottom), "77");

    ASSERT_TRUE(builder.SaveAs(out / "Game"));  // ".exe" is added by the export

    EXPECT_EQ(ListFolder(out.path()), "Game.exe data");
    EXPECT_EQ(ListFolder(out / "data"), "1013.dat 1014.dat sample.swf");
    EXPECT_EQ(ReadBytes(out / "Game.exe"), ReadBytes(Files() + "01.dat"));
    EXPECT_EQ(ReadBytes(out / "data\\sample.swf"), ReadBytes(movie));
    EXPECT_EQ(ReadBytes(out / "data\\1013.dat"),
              ScrambledSettings({"640", "480", "sample.swf", "Demo Game", "1", "nomenu", "3", "4", "20", "-10"}));
    std::string page = ReadBytes(out / "data\\1014.dat");
    EXPECT_EQ(page, ExpectedPage(Files(), 660, 470, "sample.swf"));
    EXPECT_NE(page.find("sample.swf"), std::string::npos);
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);

    // The form and the open dialog are as they were; the builder goes on.
    EXPECT_TRUE(builder.process().Running());
    EXPECT_EQ(TextOf(builder.Control(kName)), "Demo Game");
    EXPECT_EQ(TextOf(builder.Control(kMovie)), movie);
    EXPECT_EQ(TextOf(builder.TuningControl(kXTop)), "99");
    EXPECT_TRUE(IsWindowEnabled(builder.main()));
    EXPECT_TRUE(IsWindowEnabled(builder.Tuning()));
}

TEST(BuilderExport, EachMissingFieldIsToldInTurnAndNothingIsAsked) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    builder.Type(kWidth, "");
    builder.Type(kHeight, "");

    // Each step fills in what the message before asked for.
    struct Step {
        const char* message;
        std::function<void()> fill;
    } steps[] = {
        {"Please enter project name !", [&] { builder.Type(kName, " "); }},  // a space counts
        {"SWF file is missing !", [&] { ASSERT_TRUE(builder.ChooseMovie(SampleMovie())); }},
        {"Please enter window width !", [&] { builder.Type(kWidth, "abc"); }},
        {"Please enter window height !", [&] {}},
    };
    for (const Step& step : steps) {
        Click(builder.Control(kSave));
        HWND box = WaitForDialog(builder.pid(), "Error");
        ASSERT_NE(box, nullptr) << step.message;
        EXPECT_EQ(MessageBoxTextOf(box), step.message);
        // Owned by the builder's window, which is disabled while the box is open.
        EXPECT_EQ(GetWindow(box, GW_OWNER), builder.main());
        EXPECT_FALSE(IsWindowEnabled(builder.main()));
        EXPECT_EQ(TopWindows(builder.pid(), "#32770").size(), 1u) << "one message, no save dialog";
        PressOk(box);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) && builder.Responsive(); }));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(builder.main()) != 0; }));
        EXPECT_TRUE(builder.NoDialogOpen());
        step.fill();
    }
}

TEST(BuilderExport, ACancelledBrowseEmptiesTheMovie) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    builder.Type(kName, "Game");
    ASSERT_TRUE(builder.ChooseMovie(SampleMovie()));
    ASSERT_EQ(TextOf(builder.Control(kMovie)), SampleMovie());
    ASSERT_TRUE(builder.ChooseMovie(""));  // cancelled
    EXPECT_EQ(TextOf(builder.Control(kMovie)), "");
    Click(builder.Control(kSave));
    std::string text;
    ASSERT_TRUE(builder.TakeMessage("Error", &text));
    EXPECT_EQ(text, "SWF file is missing !");
}

TEST(BuilderExport, ANameTypedForAFileThatDoesNotExistIsTaken) {
    TempDir folder("movie");
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    ASSERT_TRUE(builder.ChooseMovie(folder / "not-made-yet.swf"));
    EXPECT_EQ(TextOf(builder.Control(kMovie)), folder / "not-made-yet.swf");
}

TEST(BuilderExport, TheMovieFieldCannotBeTypedInto) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    HWND movie = builder.Control(kMovie);
    // Tab to the movie field (Help, About, Quit, name, movie), then type.
    for (int i = 0; i < 5; ++i) PressKeys(builder.main(), {VK_TAB});
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(builder.main()) == movie; }));
    PressKeys(builder.main(), {'A', 'B'});
    PressKeys(builder.main(), {VK_TAB});  // the keys before it are handled once the focus moves on
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(builder.main()) == builder.Control(kBrowse); }));
    EXPECT_EQ(TextOf(movie), "");
}

TEST(BuilderExport, DialogsDisableBothWindowsUntilTheyClose) {
    BuilderSession builder;
    ASSERT_NE(builder.main(), nullptr);
    HWND tuning = builder.OpenTuning();
    ASSERT_NE(tuning, nullptr);
    Click(builder.Control(kBrowse));  // the press brings the main window to the front
    HWND dialog = WaitForDialog(builder.pid(), "Open SWF File");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), builder.main());
    EXPECT_FALSE(IsWindowEnabled(builder.main()));
    EXPECT_FALSE(IsWindowEnabled(tuning));
    CancelDialog(dialog);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(builder.main()) && IsWindowEnabled(tuning); }));
}

TEST(BuilderExport, HelpMakesTheBuilderFolderTheCurrentDirectory) {
    // Started elsewhere, the builder finds no files/ for the export ...
    TempDir elsewhere("cwd");
    TempDir out("help");
    BuilderSession builder(BuilderExe(), elsewhere.path());
    ASSERT_NE(builder.main(), nullptr);
    builder.Type(kName, "Game");
    ASSERT_TRUE(builder.ChooseMovie(SampleMovie()));
    // ... until "Help" has made its own folder the current directory.
    Click(builder.Control(kHelp));
    // Where no program opens .htm files, the system says so in a box of its
    // own (the builder adds nothing); it is dismissed like a user would.
    if (HWND box = WaitForDialog(builder.pid(), "Error", 15000)) {
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
        PressOk(box);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    ASSERT_TRUE(WaitUntil([&] { return builder.Responsive() && builder.NoDialogOpen(); }));
    ASSERT_TRUE(builder.SaveAs(out / "Game.exe"));
    EXPECT_EQ(ReadBytes(out / "Game.exe"), ReadBytes(Files() + "01.dat"));
    EXPECT_EQ(ReadBytes(out / "data\\1014.dat"), ExpectedPage(Files(), 800, 600, "sample.swf"));
    EXPECT_TRUE(builder.process().Running());
}

// A double-click on a button acts once. What the second click would do
// shows before "SWF Tuning", clicked afterwards, can open its dialog.
TEST(BuilderClicks, ADoubleClickOnAButtonActsOnce) {
    struct Case {
        int button;
        const char* dialogTitle;  // what one click opens
    } cases[] = {
        {kBrowse, "Open SWF File"},
        {kHelp, "Error"},  // the system's word that no program opens .htm files here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialogTitle);
        BuilderSession builder;
        ASSERT_NE(builder.main(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == builder.main(); }));
        DoubleClick(builder.Control(c.button));
        HWND first = WaitForDialog(builder.pid(), c.dialogTitle, 15000);
        if (!first && c.button == kHelp) continue;  // a program opened the page: nothing to count
        ASSERT_NE(first, nullptr);
        CancelDialog(first);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(first); }));
        Click(builder.Control(kTuning));
        ASSERT_TRUE(WaitUntil([&] { return builder.Tuning() != nullptr || !builder.NoDialogOpen(); }));
        EXPECT_TRUE(builder.NoDialogOpen()) << "a second dialog opened";
        EXPECT_NE(builder.Tuning(), nullptr);
    }
}

}  // namespace
