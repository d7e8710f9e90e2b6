#include "Settings.h"

#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"

static std::string S(const Text& t) { return std::string(t.c_str(), t.size()); }

static Settings Sample() {
    Settings s;
    const char* values[kSettingCount] = {"800", "600", "intro.swf", "My Game", "1", "nomenu", "0", "0", "0", "0"};
    for (int i = 0; i < kSettingCount; i++) s.value[i] = values[i];
    return s;
}

static Settings ReadFrom(const std::string& bytes) {
    MemorySource src(bytes.data(), bytes.size());
    return ReadSettings(src);
}

static std::string ScrambledLine(const char* plain) { return S(Scrambled(plain, kScrambleShift, kScramble)); }

TEST(Scrambler, ShiftsEveryByteModulo256AndDropsZero) {
    EXPECT_EQ(S(Scrambled("A", 117, kScramble)), std::string(1, (char)(65 + 117)));
    EXPECT_EQ(S(Scrambled("\xF0", 117, kScramble)), std::string(1, (char)(0xF0 + 117 - 256)));
    // 256 - 117 = 139 scrambles to 0 and is dropped.
    EXPECT_EQ(S(Scrambled("a\x8b" "b", 117, kScramble)), ScrambledLine("a") + ScrambledLine("b"));
    // A stored byte equal to the shift unscrambles to 0 and is dropped.
    EXPECT_EQ(S(Scrambled("\x75x", 117, kUnscramble)), S(Scrambled("x", 117, kUnscramble)));
    for (int c = 1; c < 256; c++) {
        char plain[2] = {(char)c, 0};
        Text back = Scrambled(Scrambled(plain, 117, kScramble), 117, kUnscramble);
        EXPECT_EQ(S(back), c == 139 ? "" : std::string(plain)) << c;
    }
    Text input("keep");
    Scrambled(input, 117, kScramble);
    EXPECT_EQ(S(input), "keep");
}

TEST(Settings, WrittenFileHasTenLinesAndRoundTrips) {
    TempDir dir("settings");
    std::string path = dir / "1013.dat";
    Settings s = Sample();
    FileWriter w(Text(path.c_str()));
    ASSERT_TRUE(WriteSettings(w, s));
    std::string bytes = ReadBytes(path);
    std::string want;
    for (int i = 0; i < kSettingCount; i++) want += ScrambledLine(s.value[i].c_str()) + (i < 9 ? "\r\n" : "");
    EXPECT_EQ(bytes, want);
    size_t sum = 0;
    for (auto& v : s.value) sum += v.size();
    EXPECT_EQ(bytes.size(), sum + 18);

    FileSource src(Text(path.c_str()));
    Settings back = ReadSettings(src);
    for (int i = 0; i < kSettingCount; i++) EXPECT_EQ(S(back.value[i]), S(s.value[i])) << i;
}

TEST(Settings, AnEmptyTenthValueEndsTheFileAfterTheNinthLineEnd) {
    TempDir dir("settings");
    Settings s = Sample();
    s[kYBottom] = "";
    FileWriter w(Text((dir / "1013.dat").c_str()));
    WriteSettings(w, s);
    std::string bytes = ReadBytes(dir / "1013.dat");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), ScrambledLine("0") + "\r\n");
}

TEST(Settings, ReaderOverShortLongAndHandEditedFiles) {
    std::string lines[kSettingCount];
    Settings s = Sample();
    for (int i = 0; i < kSettingCount; i++) lines[i] = ScrambledLine(s.value[i].c_str());
    auto join = [&](int count, const char* end) {
        std::string out;
        for (int i = 0; i < count; i++) out += lines[i] + (i + 1 < count ? end : "");
        return out;
    };
    struct Case {
        const char* name;
        std::string bytes;
        int valuesKept;  // values 1..valuesKept equal the sample; the rest are empty
    } cases[] = {
        {"CR LF", join(10, "\r\n"), 10},
        {"LF only", join(10, "\n"), 10},
        {"CR only", join(10, "\r"), 10},
        {"trailing line end", join(10, "\r\n") + "\r\n", 10},
        {"twelve lines", join(10, "\r\n") + "\r\n" + lines[0] + "\r\n" + lines[1], 10},
        {"five lines", join(5, "\r\n"), 5},
        {"empty file", "", 0},
    };
    for (auto& c : cases) {
        Settings got = ReadFrom(c.bytes);
        for (int i = 0; i < kSettingCount; i++)
            EXPECT_EQ(S(got.value[i]), i < c.valuesKept ? S(s.value[i]) : "") << c.name << " line " << i + 1;
    }
}

TEST(Settings, ReaderTrimsTheStoredLineNotThePlainValue) {
    // A plain space is stored as another byte, so it survives at either end.
    Settings got = ReadFrom(ScrambledLine(" 1 "));
    EXPECT_EQ(S(got[kWidth]), " 1 ");
    // A character that scrambles to a space (32 - 117 + 256 = 171) is lost at the ends.
    Settings lost = ReadFrom(ScrambledLine("\xAB" "ab\xAB"));
    EXPECT_EQ(S(lost[kWidth]), "ab");
}

TEST(Settings, ValuesThatWouldBreakTheirLineAreNotStorable) {
    // 10 - 117 + 256 = 149 and 13 - 117 + 256 = 152 scramble to LF and CR.
    EXPECT_FALSE(StorableInSettings("a\x95" "b"));
    EXPECT_FALSE(StorableInSettings("\x98"));
    EXPECT_TRUE(StorableInSettings("My Game \xE9t\xE9 800px"));
    EXPECT_TRUE(StorableInSettings(""));
}

TEST(Settings, ALineOverTheLimitDoesNotShiftTheLinesAfterIt) {
    std::string bytes = std::string(70000, 'A') + "\r\n" + ScrambledLine("600");
    Settings got = ReadFrom(bytes);
    EXPECT_EQ(got[kWidth].size(), kTextLimit);
    EXPECT_EQ(S(got[kHeight]), "600");
}
