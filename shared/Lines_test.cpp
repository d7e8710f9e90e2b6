#include "Lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Files.h"
#include "TestFiles.h"

static std::vector<std::string> LinesOf(ByteSource& src, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; i++) {
        Text t = ReadLine(src);
        out.emplace_back(t.c_str(), t.size());
    }
    return out;
}

using Lines = std::vector<std::string>;

struct LineCase {
    std::string bytes;
    Lines lines;  // the first reads; every read after them gives ""
};

static const LineCase kLineCases[] = {
    {"A\rB", {"A", "B", ""}},
    {"A\nB", {"A", "B", ""}},
    {"A\r\nB", {"A", "B", ""}},
    {"A\n\rB", {"A", "", "B", ""}},
    {"A\r\n", {"A", "", ""}},
    {"A\r", {"A", "", ""}},
    {"whole line", {"whole line", ""}},
    {"", {"", ""}},
    {std::string("A\0B", 3), {"A", "B", ""}},
    {"A\r\rB", {"A", "", "B"}},
    {"\r\n\r\nx", {"", "", "x"}},
    {" a \r\n", {" a ", ""}},
};

TEST(ReadLine, EveryKindOfLineEndFromMemory) {
    for (auto& c : kLineCases) {
        MemorySource src(c.bytes.data(), c.bytes.size());
        Lines want = c.lines;
        want.push_back("");
        want.push_back("");
        EXPECT_EQ(LinesOf(src, (int)want.size()), want) << "bytes: " << c.bytes;
    }
}

TEST(ReadLine, EveryKindOfLineEndFromAFile) {
    TempDir dir("lines");
    for (auto& c : kLineCases) {
        WriteBytes(dir / "f.txt", c.bytes);
        FileSource src(Text((dir / "f.txt").c_str()));
        ASSERT_TRUE(src.IsOpen());
        Lines want = c.lines;
        want.push_back("");
        EXPECT_EQ(LinesOf(src, (int)want.size()), want) << "bytes: " << c.bytes;
    }
}

TEST(ReadLine, CrLfAcrossTheFileBufferBoundary) {
    // The reader buffers the file; a CR as the last byte of one buffer fill and its LF
    // as the first of the next must still be one line end, as must a lone CR there.
    TempDir dir("lines");
    for (size_t at : {4095u, 4096u, 8191u}) {
        std::string a(at, 'a');
        WriteBytes(dir / "f.txt", a + "\r\nB\rC");
        FileSource src(Text((dir / "f.txt").c_str()));
        EXPECT_EQ(LinesOf(src, 4), (Lines{a, "B", "C", ""})) << at;
        WriteBytes(dir / "g.txt", a + "\rB");
        FileSource g(Text((dir / "g.txt").c_str()));
        EXPECT_EQ(LinesOf(g, 3), (Lines{a, "B", ""})) << at;
    }
}

TEST(ReadLine, ALineOverTheLimitIsCutAndTheNextLineStaysInPlace) {
    std::string longLine(100000, 'x');
    std::string bytes = longLine + "\r\nnext\r\n";
    MemorySource src(bytes.data(), bytes.size());
    Lines got = LinesOf(src, 3);
    EXPECT_EQ(got[0].size(), kTextLimit);
    EXPECT_EQ(got[1], "next");
    EXPECT_EQ(got[2], "");
}

TEST(FileSource, AMissingFileDoesNotOpenAndReadsEmpty) {
    TempDir dir("lines");
    FileSource src(Text((dir / "missing.txt").c_str()));
    EXPECT_FALSE(src.IsOpen());
    EXPECT_EQ(LinesOf(src, 2), (Lines{"", ""}));
}

TEST(FileWriter, CreatesEmptiesAndWritesExactly) {
    TempDir dir("writer");
    std::string path = dir / "out.txt";
    WriteBytes(path, "old content that is longer");
    {
        FileWriter w(Text(path.c_str()));
        ASSERT_TRUE(w.IsOpen());
        EXPECT_TRUE(w.Write(Text("ab")));
        EXPECT_TRUE(w.Write(Text()));
        EXPECT_TRUE(w.Close());
    }
    EXPECT_EQ(ReadBytes(path), "ab");
    FileWriter bad(Text((dir / "no-such-folder\\x.txt").c_str()));
    EXPECT_FALSE(bad.IsOpen());
    EXPECT_FALSE(bad.Write(Text("x")));
}

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
    Text folder = ProgramFolder(1000);
    EXPECT_EQ(std::string(folder.c_str()), TestProgramFolder());
    EXPECT_EQ(folder[folder.size() - 1], '\\');
    // A buffer too small for the path gives no folder rather than a cut one.
    EXPECT_TRUE(ProgramFolder(4).empty());
}

TEST(CopyFileReplacing, ReplacesAndReportsFailure) {
    TempDir dir("copy");
    WriteBytes(dir / "a", "new");
    WriteBytes(dir / "b", "old old");
    EXPECT_TRUE(CopyFileReplacing(Text((dir / "a").c_str()), Text((dir / "b").c_str())));
    EXPECT_EQ(ReadBytes(dir / "b"), "new");
    EXPECT_FALSE(CopyFileReplacing(Text((dir / "missing").c_str()), Text((dir / "c").c_str())));
    EXPECT_FALSE(FileExists(dir / "c"));
}
