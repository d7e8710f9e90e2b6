#include "Text.h"

#include <gtest/gtest.h>

#include <string>

static std::string S(const Text& t) { return std::string(t.c_str(), t.size()); }

TEST(AsNumber, FollowsTheTextToNumberRule) {
    struct Case {
        const char* text;
        long long number;
    } cases[] = {
        {"800", 800},         {" 800", 800},       {"   800", 800},   {"800px", 800},
        {"+5", 5},            {"-5", -5},          {"8 00", 8},       {"\t5", 0},
        {"", 0},              {"-", 0},            {"+", 0},          {"0x10", 0},
        {"4294967296", 0},    {"2147483648", -2147483648LL}, {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL}, {"4294967295", -1}, {"+-5", 0}, {"--5", 0},
        {"- 5", 0},           {"007", 7},          {"5 ", 5},         {"abc", 0},
    };
    for (auto& c : cases) {
        EXPECT_EQ((long long)AsNumber(c.text), c.number) << "text '" << c.text << "'";
    }
    // Many digits wrap modulo 2^32 rather than saturating: 10^20 mod 2^32.
    EXPECT_EQ(AsNumber("100000000000000000000"), 1661992960);  // 10^20 mod 2^32
}

TEST(AsText, FollowsTheNumberToTextRule) {
    EXPECT_EQ(S(AsText(0)), "0");
    EXPECT_EQ(S(AsText(-5)), "-5");
    EXPECT_EQ(S(AsText(800)), "800");
    EXPECT_EQ(S(AsText(2147483647)), "2147483647");
    EXPECT_EQ(S(AsText(WrappingSum(2147483647, 1))), "-2147483648");
    EXPECT_EQ(S(AsText(WrappingSum(800, -820))), "-20");
}

TEST(TextsEqual, ComparesEveryByteCaseSensitively) {
    EXPECT_FALSE(TextsEqual("exe", "EXE"));
    EXPECT_FALSE(TextsEqual("2", "2 "));
    EXPECT_TRUE(TextsEqual(Text(), ""));
    EXPECT_TRUE(TextsEqual("Windowed", "Windowed"));
    EXPECT_FALSE(TextsEqual("Windowed", "Windowe"));
}

TEST(Trimmed, RemovesOnlySpaces) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"   ", ""}, {"", ""}, {" a b ", "a b"}, {"\tx ", "\tx"}, {" x\r", "x\r"}, {"abc", "abc"},
    };
    for (auto& c : cases) EXPECT_EQ(S(Trimmed(c.in)), c.out) << "'" << c.in << "'";
}

TEST(PathParts, FolderFileAndExtension) {
    struct Case {
        const char* path;
        const char* folder;
        const char* file;
        const char* ext;
    } cases[] = {
        {"C:\\x\\y.exe", "C:\\x\\", "y.exe", "exe"},
        {"y.exe", "", "y.exe", "exe"},
        {"data/y.exe", "", "data/y.exe", "exe"},
        {"C:\\x/y.swf", "C:\\", "x/y.swf", "swf"},
        {"x.EXE", "", "x.EXE", "EXE"},
        {"x.", "", "x.", ""},
        {"a.b\\c", "a.b\\", "c", ""},
        {".exe", "", ".exe", "exe"},
        {"x.tar.exe", "", "x.tar.exe", "exe"},
        {"C:\\My.Games\\Game", "C:\\My.Games\\", "Game", ""},
        {"\"C:\\x\\y.exe\" -a", "C:\\x\\", "y.exe", "exe\" -a"},
        {"\"C:\\p q\\r.exe\"", "C:\\p q\\", "r.exe", "exe"},
        {"", "", "", ""},
    };
    for (auto& c : cases) {
        EXPECT_EQ(S(FolderPart(c.path)), c.folder) << c.path;
        EXPECT_EQ(S(FilePart(c.path)), c.file) << c.path;
    }
    // The extension part is cut at its first double quote.
    EXPECT_EQ(S(ExtensionPart("\"C:\\x\\y.exe\"")), "exe");
    EXPECT_EQ(S(ExtensionPart("x.EXE")), "EXE");
    EXPECT_EQ(S(ExtensionPart("x.")), "");
    EXPECT_EQ(S(ExtensionPart("a.b\\c")), "");
    EXPECT_EQ(S(ExtensionPart(".exe")), "exe");
    EXPECT_EQ(S(ExtensionPart("x.tar.exe")), "exe");
    EXPECT_EQ(S(ExtensionPart("C:\\My.Games\\Game")), "");
}

TEST(Text, NeverHoldsMoreThanTheLimit) {
    std::string big(70000, 'a');
    Text t(big.c_str());
    EXPECT_EQ(t.size(), kTextLimit);
    EXPECT_TRUE(t.Overflowed());
    t.Append("more");
    EXPECT_EQ(t.size(), kTextLimit);
    Text exact(big.c_str(), kTextLimit);
    EXPECT_FALSE(exact.Overflowed());
    EXPECT_EQ(Trimmed(t).size(), kTextLimit);
}

TEST(Text, AppendingAZeroByteAppendsNothing) {
    Text t("ab");
    t.AppendByte(0);
    t.Append("c\0d", 3);
    EXPECT_EQ(S(t), "abc");
    EXPECT_EQ(t.c_str()[t.size()], 0);
}
