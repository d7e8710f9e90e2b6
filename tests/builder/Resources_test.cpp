// The resources of the builder's program file: the icon group with its
// twelve images, the manifest, and nothing else.
#include <gtest/gtest.h>

#include <set>

#include "BuilderDriver.h"

namespace {

constexpr WORD kEnglishUs = 1033;

#pragma pack(push, 2)
struct GroupHeader {
    WORD reserved, type, count;
};
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

class ProgramFile : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(BuilderExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    std::string Resource(LPCSTR type, int id) {
        HRSRC found = FindResourceExA(module_, type, MAKEINTRESOURCEA(id), kEnglishUs);
        if (!found) return std::string();
        HGLOBAL loaded = LoadResource(module_, found);
        return std::string((const char*)LockResource(loaded), SizeofResource(module_, found));
    }
    HMODULE module_ = nullptr;
};

TEST_F(ProgramFile, IconGroupHasTwelveImagesInOrder) {
    std::string group = Resource(RT_GROUP_ICON, 1);
    ASSERT_GE(group.size(), sizeof(GroupHeader));
    auto* header = (const GroupHeader*)group.data();
    EXPECT_EQ(header->type, 1);
    ASSERT_EQ(header->count, 12);
    ASSERT_EQ(group.size(), sizeof(GroupHeader) + 12 * sizeof(GroupEntry));
    const struct {
        int size, bits;
    } expected[12] = {{48, 24}, {48, 32}, {48, 8}, {48, 4}, {32, 4}, {16, 4},
                      {32, 8},  {32, 24}, {32, 32}, {16, 32}, {16, 24}, {16, 8}};
    auto* entries = (const GroupEntry*)(group.data() + sizeof(GroupHeader));
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        const GroupEntry& e = entries[i];
        EXPECT_EQ(e.width, expected[i].size);
        EXPECT_EQ(e.height, expected[i].size);
        EXPECT_EQ(e.bitCount, expected[i].bits);
        EXPECT_EQ(e.colours, expected[i].bits == 4 ? 16 : 0);
        EXPECT_EQ(e.id, i + 1);

        // The image itself: an uncompressed DIB of that size and depth with its mask.
        std::string image = Resource(RT_ICON, e.id);
        ASSERT_EQ(image.size(), e.bytes);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        auto* dib = (const BITMAPINFOHEADER*)image.data();
        EXPECT_EQ(dib->biSize, 40u);
        EXPECT_EQ(dib->biWidth, expected[i].size);
        EXPECT_EQ(dib->biHeight, 2 * expected[i].size);  // colour rows and mask rows
        EXPECT_EQ(dib->biBitCount, expected[i].bits);
        EXPECT_EQ(dib->biCompression, (DWORD)BI_RGB);
        int size = expected[i].size, bits = expected[i].bits;
        size_t palette = bits <= 8 ? (size_t)4 << bits : 0;
        size_t colourRow = ((size_t)size * bits + 31) / 32 * 4;
        size_t maskRow = ((size_t)size + 31) / 32 * 4;
        EXPECT_EQ(image.size(), 40 + palette + (colourRow + maskRow) * size);
    }
}

TEST_F(ProgramFile, TheIconShowsAtEverySize) {
    for (int size : {16, 32, 48}) {
        HICON icon = (HICON)LoadImageA(module_, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ProgramFile, ManifestAsksForTheVersionSixCommonControls) {
    std::string manifest = Resource(MAKEINTRESOURCEA(24), 1);  // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {"encoding=\"UTF-8\"", "standalone=\"yes\"", "version=\"1.0.0.0\"",
                             "processorArchitecture=\"X86\"", "name=\"CompanyName.ProductName.YourApp\"",
                             "type=\"win32\"", "<description>Your application description here.</description>",
                             "name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\""})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR found) {
    ((std::set<ULONG_PTR>*)found)->insert(IS_INTRESOURCE(type) ? (ULONG_PTR)type : 0);
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) {
    ((std::set<WORD>*)found)->insert(language);
    return TRUE;
}

TEST_F(ProgramFile, HoldsOnlyIconsAndTheManifestInEnglish) {
    std::set<ULONG_PTR> types;
    EnumResourceTypesA(module_, CollectType, (LONG_PTR)&types);
    EXPECT_EQ(types, (std::set<ULONG_PTR>{(ULONG_PTR)RT_ICON, (ULONG_PTR)RT_GROUP_ICON, 24}));
    std::set<WORD> languages;
    for (int id = 1; id <= 12; ++id) EnumResourceLanguagesA(module_, RT_ICON, MAKEINTRESOURCEA(id), CollectLanguage, (LONG_PTR)&languages);
    EnumResourceLanguagesA(module_, RT_GROUP_ICON, MAKEINTRESOURCEA(1), CollectLanguage, (LONG_PTR)&languages);
    EnumResourceLanguagesA(module_, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1), CollectLanguage, (LONG_PTR)&languages);
    EXPECT_EQ(languages, std::set<WORD>{kEnglishUs});
}

}  // namespace

namespace {

// The sample movie staged beside the builder: an uncompressed SWF whose tags
// run whole to the end tag, with as many shown frames as its header counts.
TEST(DistributionFolder, SampleMovieIsAWholeSwf) {
    std::string swf = ReadBytes(DistFolder() + "sample.swf");
    ASSERT_GE(swf.size(), 21u);
    auto byte = [&](size_t i) { return (unsigned)(unsigned char)swf[i]; };
    auto u16 = [&](size_t i) { return byte(i) | byte(i + 1) << 8; };
    auto u32 = [&](size_t i) { return u16(i) | u16(i + 2) << 16; };
    EXPECT_EQ(swf.substr(0, 3), "FWS");
    EXPECT_EQ(u32(4), swf.size());
    unsigned bits = byte(8) >> 3;
    size_t at = 8 + (5 + 4 * bits + 7) / 8;
    unsigned frames = u16(at + 2);
    EXPECT_GT(frames, 1u);
    at += 4;
    unsigned shown = 0, code = 1;
    while (code != 0 && at + 2 <= swf.size()) {
        unsigned head = u16(at);
        at += 2;
        code = head >> 6;
        size_t length = head & 0x3F;
        if (length == 0x3F) {
            length = u32(at);
            at += 4;
        }
        at += length;
        shown += code == 1;
    }
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(at, swf.size());
    EXPECT_EQ(shown, frames);
}

}  // namespace
