#include "PageAssembly.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

#include "ExportTestFolder.h"

// The page the shipped fragments give, as designed: a complete page that
// shows the movie at the adjusted size through the SWF plug-in (the object
// for the browser control, the embed for browsers that go by the MIME type),
// with a note behind it that shows when the plug-in is missing.
static std::string ShippedPage(const std::string& w, const std::string& h, const std::string& movie) {
    return "<!DOCTYPE html>"
           "<html lang=\"en\">"
           "<head>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<title>Movie</title>"
           "<style>"
           "html{margin:0;padding:0;border:0;overflow:hidden;background:#000}"
           "/* the player's page view starts 10 px left of and 15 px above its window: this margin puts the movie at "
           "the window's corner */"
           "body{margin:15px 10px;padding:0;border:0;overflow:hidden;background:#000}"
           "object,embed{display:block;position:relative}"
           ".missing{position:absolute;left:0;top:0;margin:0;padding:16px;color:#fff;font:14px Arial,Helvetica,sans-serif}"
           "</style>"
           "</head>"
           "<body>"
           "<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" width=\"" + w + "\" height=\"" + h + "\">"
           "<param name=\"movie\" value=\"" + movie + "\">"
           "<param name=\"quality\" value=\"high\">"
           "<div class=\"missing\">"
           "<p>This movie needs the browser's SWF plug-in, which is not installed on this computer.</p>"
           "<p>Install the SWF plug-in for Internet Explorer, then start this program again.</p>"
           "</div>"
           "<embed src=\"" + movie + "\" type=\"application/x-shockwave-flash\" quality=\"high\" width=\"" + w +
           "\" height=\"" + h + "\">"
           "</object>"
           "</body>"
           "</html>";
}

// Every element that is opened is closed, in order; void elements need no end tag.
static std::string TagProblems(const std::string& html) {
    static const Strings kVoid = {"meta", "param", "embed", "br", "img", "input", "link", "hr"};
    Strings open;
    size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string::npos) {
        size_t end = html.find('>', pos);
        if (end == std::string::npos) return "unclosed tag at " + std::to_string(pos);
        std::string tag = html.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        if (tag.empty() || tag[0] == '!') continue;
        bool closing = tag[0] == '/';
        std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" \r\n\t") - (closing ? 1 : 0));
        for (auto& c : name) c = (char)tolower((unsigned char)c);
        if (closing) {
            if (open.empty() || open.back() != name) return "unexpected </" + name + ">";
            open.pop_back();
        } else if (std::find(kVoid.begin(), kVoid.end(), name) == kVoid.end()) {
            open.push_back(name);
        }
    }
    return open.empty() ? "" : "<" + open.back() + "> is not closed";
}

static size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) n++;
    return n;
}

class PageTest : public ExportTest {
protected:
    void UseShippedFragments() {
        for (int f = 0; f < kFragmentCount; f++) {
            std::string shipped = ReadBytes(DistFolder() + "files\\" + FragmentName(f));
            ASSERT_FALSE(shipped.empty()) << FragmentName(f) << " is not staged in " << DistFolder();
            WriteBytes(Fragment(f), shipped);
        }
    }
};

TEST_F(PageTest, ShippedFragmentsMakeTheDesignedPage) {
    UseShippedFragments();
    WriteBytes(root / "clips\\my intro.swf", kMovie);
    input.moviePath = (root / "clips\\my intro.swf").c_str();
    ASSERT_EQ(Export(), AfterExport::kBackToForm);
    EXPECT_TRUE(ui.messages.empty());

    const std::string page = ReadBytes(Data("1014.dat"));
    EXPECT_EQ(page, ShippedPage("820", "616", "my intro.swf"));

    EXPECT_EQ(page.rfind("<!DOCTYPE html><html", 0), 0u);
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(TagProblems(page), "");
    EXPECT_NE(page.find("<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" width=\"820\" height=\"616\">"
                        "<param name=\"movie\" value=\"my intro.swf\">"),
              std::string::npos);
    EXPECT_NE(page.find("<embed src=\"my intro.swf\" type=\"application/x-shockwave-flash\" quality=\"high\" "
                        "width=\"820\" height=\"616\"></object>"),
              std::string::npos);
    EXPECT_EQ(Count(page, "my intro.swf"), 2u);
    EXPECT_EQ(Count(page, "820"), 2u);
    // The note for a missing plug-in lies inside the object, so it shows only without the plug-in.
    size_t object = page.find("<object"), note = page.find("is not installed"), objectEnd = page.find("</object>");
    EXPECT_TRUE(object < note && note < objectEnd);
    // Nothing loads from elsewhere.
    EXPECT_EQ(page.find("http:"), std::string::npos);
    EXPECT_EQ(page.find("https:"), std::string::npos);
}

TEST_F(PageTest, ShippedFragmentsAreCutAtTheirMarkers) {
    UseShippedFragments();
    for (int f = 0; f < kFragmentCount; f++) {
        std::string bytes = ReadBytes(Fragment(f));
        // 1011.dat gives its first line only and needs no marker; the others end at theirs.
        if (f == kFragment1011) {
            EXPECT_EQ(bytes, "\" height=\"\r\n");
        } else {
            EXPECT_EQ(bytes.substr(bytes.size() - 18), "codebase random>\r\n") << FragmentName(f);
        }
    }
    // The full-screen project gets the shipped fragments unchanged.
    input.outputKind = "Full Screen";
    ASSERT_EQ(Export(), AfterExport::kBackToForm);
    for (int f = 0; f < kFragmentCount; f++)
        EXPECT_EQ(ReadBytes(Data(FragmentName(f))), ReadBytes(Fragment(f))) << FragmentName(f);
}

TEST(HelpPage, DescribesTheFormAndStandsAlone) {
    const std::string help = ReadBytes(DistFolder() + "help.htm");
    ASSERT_FALSE(help.empty()) << "help.htm is not staged in " << DistFolder();
    EXPECT_EQ(help.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(help.find("charset="), std::string::npos);
    EXPECT_NE(help.find("<title>"), std::string::npos);
    EXPECT_EQ(TagProblems(help), "");
    for (const char* topic : {"Project Name", "SWF File", "Browse", "Windowed", "Full Screen", "width", "height",
                              "SWF Tuning", "x top", "y top", "x bottom", "y bottom", "Save", "Help", "About", "Quit",
                              "Esc", "data\\1013.dat", "data\\1014.dat", "its own folder", "63,999",
                              "cannot be saved"})
        EXPECT_NE(help.find(topic), std::string::npos) << topic;
    // No pictures, scripts, style sheets or links that would need other files or the network.
    for (const char* outside : {"src=", "href=", "<link", "<script", "url(", "http:", "https:", "www."})
        EXPECT_EQ(help.find(outside), std::string::npos) << outside;
    // Plain ASCII: special characters are written as entities.
    for (unsigned char c : help) EXPECT_LT(c, 128) << "byte " << (int)c;
}

TEST_F(PageTest, AdjustedSizesGoIntoThePage) {
    const struct {
        const char *width, *height, *xBottom, *yBottom, *pageWidth, *pageHeight;
    } cases[] = {
        {"800", "600", "0", "0", "800", "600"},
        {"800", "600", "-20", "", "780", "600"},
        {"800px", " 600", "+4", "x", "804", "600"},
        {"2147483647", "0", "1", "-1", "-2147483648", "-1"},
    };
    for (const auto& c : cases) {
        input.width = c.width;
        input.height = c.height;
        input.tuning.xBottom = c.xBottom;
        input.tuning.yBottom = c.yBottom;
        ASSERT_EQ(Export(), AfterExport::kBackToForm);
        EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage(c.pageWidth, c.pageHeight, "intro.swf")) << c.width;
        // The settings keep what was typed.
        EXPECT_EQ(S(SettingsOnDisk()[kWidth]), c.width);
    }
}

// Page assembly's failures and the unusual fragments: the message, what the
// builder does next and what is on disk. Each case starts from a folder that
// holds an earlier page.
TEST_F(PageTest, FailuresAndOddFragments) {
    const std::string kOldPage = "earlier page";
    const std::string longLine = std::string(70000, 'x') + "\r\ncodebase random>\r\n";
    std::string longPiece;
    for (int i = 0; i < 700; i++) longPiece += "<p>" + std::string(90, 'y') + "</p>\r\n";
    longPiece += "codebase random>\r\n";

    enum Page { kOld, kTest, kFullScreen, kNone };
    const struct {
        const char* name;
        const char* outputKind;
        std::function<void()> prepare;
        Strings messages;
        AfterExport after;
        Page page;
        int fragmentCopies;  // how many of the seven are in the data folder afterwards
    } cases[] = {
        {"fragment missing", "Windowed", [&] { DeleteFileA(Fragment(kFragment1017).c_str()); },
         {"Tamsolo: Error: can't read the file"}, AfterExport::kEndBuilder, kOld, 0},
        {"last fragment missing, full screen: nothing copied", "Full Screen",
         [&] { DeleteFileA(Fragment(kFragment1019).c_str()); }, {"Tamsolo: Error: can't read the file"},
         AfterExport::kEndBuilder, kOld, 0},
        {"page cannot be created", "Windowed",
         [&] {
             DeleteFileA(Data("1014.dat").c_str());
             MakeFolder(Data("1014.dat"));
         },
         {"Tamsolo: Error: can't write the file"}, AfterExport::kEndBuilder, kNone, 0},
        {"page cannot be created, full screen: copies made first", "Full Screen",
         [&] {
             DeleteFileA(Data("1014.dat").c_str());
             MakeFolder(Data("1014.dat"));
         },
         {"Tamsolo: Error: can't write the file"}, AfterExport::kEndBuilder, kNone, 7},
        {"one fragment copy fails: the next copies and the page follow", "Full Screen",
         [&] { MakeFolder(Data("1016.dat")); }, {"Error: Unable to save the project !"}, AfterExport::kBackToForm,
         kFullScreen, 6},
        {"page too long: refused, earlier page kept", "Windowed", [&] { WriteBytes(Fragment(kFragment1016), longPiece); },
         {"Tamsolo: Error: the page is too long (more than 63999 bytes)"}, AfterExport::kBackToForm, kOld, 0},
        {"a line over the limit makes the page too long", "Windowed",
         [&] { WriteBytes(Fragment(kFragment1010), longLine); },
         {"Tamsolo: Error: the page is too long (more than 63999 bytes)"}, AfterExport::kBackToForm, kOld, 0},
        {"long fragments are copied whole for full screen", "Full Screen",
         [&] { WriteBytes(Fragment(kFragment1016), longPiece); }, {}, AfterExport::kBackToForm, kFullScreen, 7},
    };
    const ExportInput start = input;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree(out);
        MakeFolder(out);
        MakeFolder(out + "data");
        WriteBytes(Data("1014.dat"), kOldPage);
        for (int f = 0; f < kFragmentCount; f++) WriteBytes(Fragment(f), kTestFragments[f]);
        input = start;
        input.outputKind = c.outputKind;
        ui = FakeUi();
        ui.savePath = out + "Game";
        c.prepare();

        EXPECT_EQ(Export(), c.after);
        EXPECT_EQ(ui.messages, c.messages);
        // The settings are written before the page in every case.
        EXPECT_EQ(ReadBytes(Data("1013.dat")), SettingsBytes(ExpectedSettings(c.outputKind[0] == 'W' ? "1" : "2")));
        switch (c.page) {
            case kOld: EXPECT_EQ(ReadBytes(Data("1014.dat")), kOldPage); break;
            case kTest: EXPECT_EQ(ReadBytes(Data("1014.dat")), TestPage("820", "616", "intro.swf")); break;
            case kFullScreen: EXPECT_EQ(ReadBytes(Data("1014.dat")), "\r\ncodebase random>"); break;
            case kNone: EXPECT_FALSE(FileExists(Data("1014.dat"))); break;
        }
        int copies = 0;
        for (int f = 0; f < kFragmentCount; f++) {
            if (!FileExists(Data(FragmentName(f)))) continue;
            copies++;
            EXPECT_EQ(ReadBytes(Data(FragmentName(f))), ReadBytes(Fragment(f))) << FragmentName(f);
        }
        EXPECT_EQ(copies, c.fragmentCopies);
    }
}

TEST_F(PageTest, FragmentsWithoutMarkerOrContentStillMakeAPage) {
    const struct {
        const char* name;
        int fragment;
        const char* bytes;
        const char* piece;  // what the fragment puts into the page
    } cases[] = {
        {"no marker: the piece ends at the end of the file", kFragment1017, "[1017\r\n w=\r\n", "[1017w="},
        {"no marker and no line end", kFragment1019, "[1019]", "[1019]"},
        {"empty 1011.dat adds nothing", kFragment1011, "", ""},
        {"marker first: adds nothing", kFragment1015, "codebase random>\r\n[never]", ""},
    };
    const std::string testPage = TestPage("820", "616", "intro.swf");
    for (const auto& c : cases) {
        for (int f = 0; f < kFragmentCount; f++) WriteBytes(Fragment(f), kTestFragments[f]);
        WriteBytes(Fragment(c.fragment), c.bytes);
        ASSERT_EQ(Export(), AfterExport::kBackToForm) << c.name;
        EXPECT_TRUE(ui.messages.empty()) << c.name;

        // The test page with this fragment's piece put in place of the usual one.
        MemorySource usual(kTestFragments[c.fragment], strlen(kTestFragments[c.fragment]));
        std::string expected = testPage;
        std::string usualPiece = S(FragmentPiece(c.fragment, usual).text);
        expected.replace(expected.find(usualPiece), usualPiece.size(), c.piece);
        EXPECT_EQ(ReadBytes(Data("1014.dat")), expected) << c.name;
    }
}

TEST_F(PageTest, APageOnAFullDiskIsReported) {
    for (const char* kind : {"Windowed", "Full Screen"}) {
        SCOPED_TRACE(kind);
        // A folder of its own for each kind: the link must not be touched as a file.
        const std::string project = root / (std::string(kind) + "\\");
        MakeFolder(project);
        MakeFolder(project + "data");
        if (!LinkToFullDisk(project + "data\\1014.dat")) GTEST_SKIP() << "no full-disk device to write to";
        input.outputKind = kind;
        ui = FakeUi();
        ui.savePath = project + "Game";
        EXPECT_EQ(Export(), AfterExport::kBackToForm);
        EXPECT_EQ(ui.messages, Strings{"Error: Unable to save the project !"});
        EXPECT_EQ(ReadBytes(project + "data\\1013.dat"), SettingsBytes(ExpectedSettings(kind[0] == 'W' ? "1" : "2")));
    }
}
