#include "Page.h"

#include <gtest/gtest.h>

#include <string>

#include "Files.h"
#include "TestFiles.h"

static std::string S(const Text& t) { return std::string(t.c_str(), t.size()); }

static Piece PieceOf(int fragment, const std::string& bytes) {
    MemorySource src(bytes.data(), bytes.size());
    return FragmentPiece(fragment, src);
}

struct PieceCase {
    const char* name;
    std::string bytes;
    const char* piece;
};

TEST(CutPiece, JoinsTrimmedLinesUpToTheFirstMarkerLine) {
    const PieceCase cases[] = {
        {"plain", "<a>\r\n<b>\r\ncodebase random>\r\n", "<a><b>"},
        {"spaces at both ends go", "   <a x=\"1\">  \r\n  <b>\r\ncodebase random>", "<a x=\"1\"><b>"},
        {"a leading tab stays", "\t<a>\r\ncodebase random>", "\t<a>"},
        {"LF and CR line ends", "<a>\n<b>\r<c>\ncodebase random>", "<a><b><c>"},
        {"zero byte ends a line", std::string("<a>") + '\0' + "<b>\r\ncodebase random>", "<a><b>"},
        {"marker with spaces around it", "<a>\r\n   codebase random>   \r\n<b>", "<a>"},
        {"marker in other case is text", "<a>\r\nCodebase random>\r\ncodebase random>", "<a>Codebase random>"},
        {"marker after a tab is text", "<a>\r\n\tcodebase random>\r\ncodebase random>", "<a>\tcodebase random>"},
        {"marker with more text is text", "codebase random> x\r\ncodebase random>", "codebase random> x"},
        {"first line is the marker", "codebase random>\r\n<a>", ""},
        {"nothing after the first marker", "<a>\r\ncodebase random>\r\n<b>\r\ncodebase random>\r\n<c>", "<a>"},
        {"no marker: ends at the end of the data", "<a>\r\n<b>\r\n\r\n", "<a><b>"},
        {"no marker and no line end", "<a>", "<a>"},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        Piece p = PieceOf(kFragment1010, c.bytes);
        EXPECT_EQ(S(p.text), c.piece) << c.name;
        EXPECT_FALSE(p.cut) << c.name;
    }
}

TEST(CutPiece, TheSecondFragmentGivesOnlyItsFirstLineTrimmed) {
    const PieceCase cases[] = {
        {"first line only", "  \" height=\"  \r\n<more>\r\ncodebase random>", "\" height=\""},
        {"even when it is the marker text", "codebase random>\r\n<b>", "codebase random>"},
        {"empty file", "", ""},
        {"empty first line", "\r\n<b>", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(S(PieceOf(kFragment1011, c.bytes).text), c.piece) << c.name;
    // Every other fragment is cut at its marker.
    for (int f = 0; f < kFragmentCount; f++) {
        if (f == kFragment1011) continue;
        EXPECT_EQ(S(PieceOf(f, "<a>\r\n<b>").text), "<a><b>") << FragmentName(f);
    }
}

TEST(CutPiece, OverLongLinesAndPiecesAreMarkedCut) {
    // A line longer than the limit is cut by the line reader; the piece says so.
    Piece longLine = PieceOf(kFragment1010, std::string(70000, 'x') + "\r\n<b>\r\ncodebase random>");
    EXPECT_TRUE(longLine.cut);
    EXPECT_LE(longLine.text.size(), kTextLimit);
    EXPECT_TRUE(PieceOf(kFragment1011, std::string(70000, 'x')).cut);

    // Many short lines that together pass the limit.
    std::string many;
    for (int i = 0; i < 7000; i++) many += "<p>12345</p>\r\n";
    Piece big = PieceOf(kFragment1010, many + "codebase random>");
    EXPECT_TRUE(big.cut);
    EXPECT_EQ(big.text.size(), kTextLimit);

    // Just under the limit is whole.
    Piece full = PieceOf(kFragment1010, std::string(kTextLimit - 1, 'x') + "\r\n");
    EXPECT_FALSE(full.cut);
    EXPECT_EQ(full.text.size(), kTextLimit - 1);
}

TEST(CutPiece, AFileReadsLikeTheSameBytesInMemory) {
    // Line ends and the marker across the reader's 4096-byte buffer boundary.
    TempDir dir("page");
    for (size_t pad : {4093u, 4094u, 4095u, 4096u, 4097u}) {
        std::string bytes = std::string(pad, 'a') + "\r\n  <b>\r\ncodebase random>\r\n<c>";
        std::string path = dir / "f.dat";
        WriteBytes(path, bytes);
        FileSource file(Text(path.c_str()));
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(S(CutPiece(file).text), std::string(pad, 'a') + "<b>") << pad;
    }
    // A missing marker at the end of a file ends the piece there: nothing hangs.
    WriteBytes(dir / "g.dat", "<a>\r\n<b>");
    FileSource file(Text((dir / "g.dat").c_str()));
    EXPECT_EQ(S(CutPiece(file).text), "<a><b>");
}

TEST(Page, FragmentNamesInPageOrder) {
    std::string names;
    for (int f = 0; f < kFragmentCount; f++) names += std::string(FragmentName(f)) + " ";
    EXPECT_EQ(names, "1010.dat 1011.dat 1015.dat 1016.dat 1017.dat 1018.dat 1019.dat ");
    EXPECT_STREQ(FragmentName(kFragmentCount), "");
    EXPECT_STREQ(FragmentName(-1), "");
}

TEST(Page, FullScreenPageIsALineEndAndTheMarker) {
    EXPECT_EQ(std::string(kFullScreenPage, kFullScreenPageSize), "\r\ncodebase random>");
    EXPECT_EQ(kFullScreenPageSize, 18u);
}

TEST(Page, AdjustedSizeAddsTheTuningValueAsNumbers) {
    const struct {
        const char* size;
        const char* tuning;
        const char* adjusted;
    } cases[] = {
        {"800", "0", "800"},   {"800", "20", "820"},  {"800", "-20", "780"},
        {"800", "", "800"},    {"800px", "5", "805"}, {" 600", "+4", "604"},
        {"abc", "0", "0"},     {"", "", "0"},         {"2147483647", "1", "-2147483648"},
    };
    for (const auto& c : cases) EXPECT_EQ(S(AdjustedSize(c.size, c.tuning)), c.adjusted) << c.size << " + " << c.tuning;
}

static void SetPieces(Piece (&pieces)[kFragmentCount], const char* const texts[kFragmentCount]) {
    for (int i = 0; i < kFragmentCount; i++) pieces[i].text = texts[i];
}

TEST(Page, JoinsThirteenPartsWithNothingBetween) {
    Piece pieces[kFragmentCount];
    const char* const texts[kFragmentCount] = {"<1010 w=", "|1011 h=", "|1015 m=", "|1016 m=", "|1017 w=", "|1018 h=", "|1019>"};
    SetPieces(pieces, texts);
    PageText page = JoinPage(pieces, {"820", "616", "my movie.swf"});
    EXPECT_FALSE(page.tooLong);
    EXPECT_EQ(S(page.text), "<1010 w=820|1011 h=616|1015 m=my movie.swf|1016 m=my movie.swf|1017 w=820|1018 h=616|1019>");

    // Empty pieces leave the values alone, in order.
    Piece empty[kFragmentCount];
    EXPECT_EQ(S(JoinPage(empty, {"1", "2", "m"}).text), "12mm12");
}

TEST(Page, APageOverTheLimitIsMarkedTooLong) {
    const std::string movie(20, 'm');
    // 1 + 1 + 20 + 20 + 1 + 1 value bytes between the pieces.
    const size_t values = 44;
    Piece pieces[kFragmentCount];
    pieces[kFragment1010].text = Text(std::string(kTextLimit - values, 'x').c_str());
    PageText fits = JoinPage(pieces, {"8", "6", movie.c_str()});
    EXPECT_FALSE(fits.tooLong);
    EXPECT_EQ(fits.text.size(), kTextLimit);

    pieces[kFragment1019].text = "y";
    EXPECT_TRUE(JoinPage(pieces, {"8", "6", movie.c_str()}).tooLong);

    // A piece that was cut already makes the page too long even when the rest is short.
    Piece cut[kFragmentCount];
    cut[kFragment1017].text = "z";
    cut[kFragment1017].cut = true;
    EXPECT_TRUE(JoinPage(cut, {"8", "6", "m"}).tooLong);
}
