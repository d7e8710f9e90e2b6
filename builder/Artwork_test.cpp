// Decoding of the builder's artwork: the real compiled-in pictures, small
// pictures made here with libjpeg's own encoder, and damaged data.
#include <gtest/gtest.h>

#include <stdio.h>

#include <jpeglib.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Artwork.h"
#include "ArtworkData.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes BytesOf(ArtworkBytes art) { return Bytes(art.data, art.data + art.size); }

// A JPEG of the given pixels (RGB or grey, top row first), made with libjpeg.
Bytes Encode(const Bytes& pixels, int width, int height, bool grey, bool progressive) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = width;
    info.image_height = height;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    int stride = width * info.input_components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = (JSAMPROW)&pixels[info.next_scanline * stride];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes jpeg(out, out + outSize);
    free(out);
    return jpeg;
}

struct Decoded {
    bool ok;
    PixelRows rows;
    explicit Decoded(const Bytes& data) { ok = DecodeJpegRows(data.data(), data.size(), rows); }
    Decoded(const unsigned char* data, size_t size) { ok = DecodeJpegRows(data, size, rows); }
    ~Decoded() { FreeRows(rows); }
    // Blue, green, red of one pixel.
    const unsigned char* At(int x, int y) const { return rows.pixels + y * rows.rowBytes + 3 * x; }
};

// The markers of a JPEG file up to the start of its scan data.
std::vector<int> MarkersOf(const Bytes& jpeg, std::vector<Bytes>* frameHeader = nullptr) {
    std::vector<int> markers;
    size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        int marker = jpeg[at + 1];
        size_t length = (jpeg[at + 2] << 8) | jpeg[at + 3];
        markers.push_back(marker);
        if (frameHeader && (marker & 0xF0) == 0xC0 && marker != 0xC4)
            frameHeader->push_back(Bytes(jpeg.begin() + at + 4, jpeg.begin() + at + 2 + length));
        if (marker == 0xDA) break;
        at += 2 + length;
    }
    return markers;
}

TEST(Artwork, BothArtworksDecodeToTheirWindowSizes) {
    struct Case {
        ArtworkBytes art;
        int width, height;
    } cases[] = {{MainArtwork(), 600, 300}, {TuningArtwork(), 200, 200}};
    for (const Case& c : cases) {
        Decoded decoded(BytesOf(c.art));
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.rows.width, c.width);
        EXPECT_EQ(decoded.rows.height, c.height);
        EXPECT_EQ(decoded.rows.rowBytes, (size_t)c.width * 3 + c.width % 4);

        HBITMAP picture = DecodeArtwork(c.art.data, c.art.size);
        ASSERT_NE(picture, nullptr);
        BITMAP info{};
        ASSERT_TRUE(GetObjectA(picture, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        DeleteObject(picture);
    }
}

TEST(Artwork, ArtworksAreProgressiveWithFullColourResolution) {
    for (ArtworkBytes art : {MainArtwork(), TuningArtwork()}) {
        Bytes jpeg = BytesOf(art);
        std::vector<Bytes> frames;
        std::vector<int> markers = MarkersOf(jpeg, &frames);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_NE(std::find(markers.begin(), markers.end(), 0xC2), markers.end()) << "SOF2 expected";
        EXPECT_EQ(std::find(markers.begin(), markers.end(), 0xC0), markers.end()) << "no baseline frame";
        const Bytes& sof = frames[0];
        ASSERT_GE(sof.size(), 15u);
        EXPECT_EQ(sof[0], 8);  // sample precision
        ASSERT_EQ(sof[5], 3);  // components
        for (int c = 0; c < 3; ++c) EXPECT_EQ(sof[6 + 3 * c + 1], 0x11) << "component " << c << " subsampled";
    }
}

TEST(Artwork, RowsAreBlueGreenRedTopDownAndPaddedToFourBytes) {
    const int width = 5, height = 3;
    const unsigned char colours[height][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};  // red, green, blue rows
    Bytes pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.insert(pixels.end(), colours[y], colours[y] + 3);
    for (bool progressive : {false, true}) {
        Decoded decoded(Encode(pixels, width, height, false, progressive));
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.rows.rowBytes, 16u);  // 15 bytes of pixels and one of padding
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c)
                    EXPECT_NEAR(decoded.At(x, y)[c], colours[y][2 - c], 8) << x << "," << y << " channel " << c;
    }
}

TEST(Artwork, GreyPicturesComeOutAsColourRows) {
    Bytes grey = {0, 60, 120, 180, 240, 255, 10, 10, 10, 10, 10, 10};
    Decoded decoded(Encode(grey, 6, 2, true, false));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.rows.width, 6);
    EXPECT_EQ(decoded.rows.rowBytes, 20u);
    for (int x = 0; x < 6; ++x)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(decoded.At(x, 0)[c], grey[x], 4);
}

TEST(Artwork, DataThatIsNoJpegGivesNoPicture) {
    Bytes main = BytesOf(MainArtwork());
    Bytes brokenStart = main;
    brokenStart[0] = 0x00;
    brokenStart[1] = 0x00;
    Bytes secondByte = main;
    secondByte[1] = 0xD9;
    Bytes noHeader = {0xFF, 0xD8, 0x12, 0x34, 0x56, 0x78, 0x9A};
    for (const Bytes* data : {&brokenStart, &secondByte, &noHeader}) {
        Decoded decoded(*data);
        EXPECT_FALSE(decoded.ok);
        EXPECT_EQ(decoded.rows.pixels, nullptr);
        EXPECT_EQ(DecodeArtwork(data->data(), data->size()), nullptr);
    }
    EXPECT_EQ(DecodeArtwork(main.data(), 0), nullptr);
    EXPECT_EQ(DecodeArtwork(main.data(), 1), nullptr);
    EXPECT_EQ(DecodeArtwork(nullptr, 100), nullptr);
}

// A copy of the data that ends right before a page that cannot be read, so
// that reading one byte past its end stops the test program.
class GuardedCopy {
public:
    explicit GuardedCopy(const Bytes& data) {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        size_t page = system.dwPageSize;
        size_t pages = (data.size() + page - 1) / page;
        total_ = (pages + 1) * page;
        block_ = (unsigned char*)VirtualAlloc(nullptr, total_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        DWORD old;
        VirtualProtect(block_ + pages * page, page, PAGE_NOACCESS, &old);
        data_ = block_ + pages * page - data.size();
        std::copy(data.begin(), data.end(), data_);
        size_ = data.size();
    }
    ~GuardedCopy() { VirtualFree(block_, 0, MEM_RELEASE); }
    const unsigned char* data() const { return data_; }
    size_t size() const { return size_; }

private:
    unsigned char* block_;
    unsigned char* data_;
    size_t size_;
    size_t total_;
};

TEST(Artwork, CutOrSpoiltDataNeverReadsPastItsEnd) {
    Bytes main = BytesOf(MainArtwork());
    {
        GuardedCopy whole(main);
        HBITMAP picture = DecodeArtwork(whole.data(), whole.size());
        EXPECT_NE(picture, nullptr);
        DeleteObject(picture);
    }
    for (size_t length : {size_t(2), size_t(100), size_t(700), main.size() / 3, main.size() / 2, main.size() - 2}) {
        GuardedCopy cut(Bytes(main.begin(), main.begin() + length));
        Decoded decoded(cut.data(), cut.size());
        if (decoded.ok) {  // a picture from what was there, the rest black
            EXPECT_EQ(decoded.rows.width, 600) << length;
            EXPECT_EQ(decoded.rows.height, 300) << length;
            HBITMAP picture = PictureFromRows(decoded.rows);
            EXPECT_NE(picture, nullptr);
            DeleteObject(picture);
        }
    }
    Bytes spoilt = main;
    for (size_t i = main.size() / 2; i < main.size() / 2 + 400; ++i) spoilt[i] ^= 0x5A;
    GuardedCopy guarded(spoilt);
    Decoded decoded(guarded.data(), guarded.size());
    if (decoded.ok) {
        EXPECT_EQ(decoded.rows.width, 600);
    }
}

// The controls lie on plain background: every pixel under a control's
// rectangle has the artwork's light blue, while each label area carries text.
struct Box {
    int x, y, w, h;
};

void ExpectPlain(const Decoded& art, const Box& box) {
    int worst = 0;
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x) {
            const unsigned char* p = art.At(x, y);
            worst = std::max({worst, abs(p[2] - 136), abs(p[1] - 169), abs(p[0] - 223)});
        }
    EXPECT_LE(worst, 12) << "control at " << box.x << "," << box.y;
}

int BrightPixels(const Decoded& art, const Box& box) {
    int bright = 0;
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x) {
            const unsigned char* p = art.At(x, y);
            if (p[0] > 235 && p[1] > 235 && p[2] > 235) ++bright;
        }
    return bright;
}

TEST(Artwork, NoTextUnderAnyControlOfTheMainWindow) {
    Decoded art(BytesOf(MainArtwork()));
    ASSERT_TRUE(art.ok);
    Box controls[] = {{520, 15, 70, 20},  {520, 37, 70, 20},  {520, 59, 70, 20},  {35, 80, 450, 20},
                      {35, 130, 400, 20}, {435, 130, 50, 20}, {35, 230, 300, 20}, {415, 230, 70, 20},
                      {115, 180, 50, 20}, {284, 180, 50, 20}, {415, 180, 70, 20}};
    for (const Box& box : controls) ExpectPlain(art, box);
    // Banner, heading, and the labels of the fields (white text).
    Box labels[] = {{10, 13, 137, 12}, {190, 30, 150, 20}, {36, 62, 102, 15}, {36, 112, 70, 13},
                    {36, 162, 150, 13}, {55, 180, 52, 13}, {220, 180, 56, 14}, {36, 212, 58, 16}};
    for (const Box& box : labels) EXPECT_GT(BrightPixels(art, box), 20) << "label at " << box.x << "," << box.y;
}

TEST(Artwork, NoTextUnderAnyControlOfTheTuningDialog) {
    Decoded art(BytesOf(TuningArtwork()));
    ASSERT_TRUE(art.ok);
    Box controls[] = {{80, 170, 40, 20}, {100, 40, 50, 20}, {100, 73, 50, 20}, {100, 106, 50, 20}, {100, 139, 50, 20}};
    for (const Box& box : controls) ExpectPlain(art, box);
    Box labels[] = {{100, 8, 95, 14}, {40, 42, 43, 14}, {40, 75, 43, 14}, {12, 108, 71, 14}, {12, 141, 71, 15}};
    for (const Box& box : labels) EXPECT_GT(BrightPixels(art, box), 20) << "label at " << box.x << "," << box.y;
    // The labels end at x 82: nothing bright between them and the fields.
    EXPECT_EQ(BrightPixels(art, {84, 40, 16, 120}), 0);
}

TEST(Artwork, EdgesDarkenToTheEdgeColour) {
    for (ArtworkBytes bytes : {MainArtwork(), TuningArtwork()}) {
        Decoded art(BytesOf(bytes));
        ASSERT_TRUE(art.ok);
        int midY = art.rows.height / 2 + 7;  // away from any text
        const unsigned char* outer = art.At(0, midY);
        EXPECT_NEAR(outer[2], 40, 14);
        EXPECT_NEAR(outer[1], 73, 14);
        EXPECT_NEAR(outer[0], 127, 14);
        const unsigned char* inner = art.At(8, midY);
        EXPECT_NEAR(inner[2], 136, 10);
        EXPECT_NEAR(inner[0], 223, 10);
    }
}

}  // namespace
