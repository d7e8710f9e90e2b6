#include "FullScreenPage.h"

#include <gtest/gtest.h>

#include <string>

#include "Page.h"
#include "TestFiles.h"

namespace {

std::string S(const Text& t) { return std::string(t.c_str(), t.size()); }

// Fragments whose pieces show where each value goes.
void WriteFragments(const TempDir& dir) {
    const char* fragments[kFragmentCount] = {
        "<p w=\"\r\ncodebase random>\r\nnever",
        "\" h=\"\r\nnever",
        "\" m1=\"\r\n codebase random> ",
        "\" m2=\"\r\ncodebase random>",
        "\" w2=\"\r\ncodebase random>",
        "\" h2=\"\r\ncodebase random>",
        "\">\r\n</p>\r\ncodebase random>\r\nnever",
    };
    for (int f = 0; f < kFragmentCount; f++) WriteBytes(dir / FragmentName(f), fragments[f]);
}

Settings ProjectSettings(const char* movie, const char* xBottom, const char* yBottom) {
    Settings s;
    s[kWidth] = "800";
    s[kHeight] = "600";
    s[kMovieFileName] = movie;
    s[kProjectName] = "Show";
    s[kDisplayMode] = "2";
    s[kMenuFlag] = "nomenu";
    s[kXTop] = "0";
    s[kYTop] = "0";
    s[kXBottom] = xBottom;
    s[kYBottom] = yBottom;
    return s;
}

}  // namespace

TEST(FullScreenPage, UsesTheScreenSizePlusTuningAndTheMoviesFullAddress) {
    TempDir dir("fs");
    WriteFragments(dir);
    WriteBytes(dir / "intro.swf", "FWS");
    FullScreenPage page = AssembleFullScreenPage(Text(dir.path().c_str()), ProjectSettings("intro.swf", "0", "-8"),
                                                 1024, 768);
    ASSERT_EQ(S(page.problem), "");
    std::string movie = S(FileAddress(Text((dir / "intro.swf").c_str())));
    EXPECT_EQ(S(page.html), "<p w=\"1024\" h=\"760\" m1=\"" + movie + "\" m2=\"" + movie +
                                "\" w2=\"1024\" h2=\"760\"></p>");
}

TEST(FullScreenPage, AMissingMovieOrFragmentIsToldPlainly) {
    TempDir dir("fs");
    WriteFragments(dir);
    Settings settings = ProjectSettings("gone.swf", "0", "0");
    FullScreenPage noMovie = AssembleFullScreenPage(Text(dir.path().c_str()), settings, 800, 600);
    EXPECT_EQ(S(noMovie.problem), "Error: the movie \"gone.swf\" is missing from the project's data folder.");
    EXPECT_TRUE(noMovie.html.empty());

    WriteBytes(dir / "gone.swf", "FWS");
    DeleteFileA((dir / "1017.dat").c_str());
    FullScreenPage noFragment = AssembleFullScreenPage(Text(dir.path().c_str()), settings, 800, 600);
    EXPECT_EQ(S(noFragment.problem), "Error: can't read the file \"data\\1017.dat\" of this project.");

    FullScreenPage noName = AssembleFullScreenPage(Text(dir.path().c_str()), ProjectSettings("", "0", "0"), 800, 600);
    EXPECT_FALSE(noName.problem.empty());
}

TEST(FileAddress, EscapesWhatAnAddressOrAttributeCannotHold) {
    struct Case {
        const char* path;
        const char* address;
    } cases[] = {
        {"C:\\Games\\Demo\\data\\intro.swf", "file:///C:/Games/Demo/data/intro.swf"},
        {"C:\\My Games\\a#b%c.swf", "file:///C:/My%20Games/a%23b%25c.swf"},
        {"D:\\x\"y<z>&.swf", "file:///D:/x%22y%3Cz%3E%26.swf"},
        {"C:\\\xE9t\xE9.swf", "file:///C:/%E9t%E9.swf"},
        {"C:\\p\\data/m.swf", "file:///C:/p/data/m.swf"},
    };
    for (auto& c : cases) EXPECT_EQ(S(FileAddress(c.path)), c.address) << c.path;
}
