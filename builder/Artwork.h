// The builder's window backgrounds: JPEG data in memory decoded with libjpeg
// into pictures that the picture controls show.
#pragma once
#include <windows.h>
#include <stddef.h>

// Decoded pixels: 24-bit rows in the order blue, green, red, each row padded
// to a multiple of 4 bytes, the first row at the top. The pixels come from
// malloc; FreeRows releases them.
struct PixelRows {
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    size_t rowBytes = 0;
};

// False (and no pixels) when the data does not begin with the JPEG start
// marker FF D8, when libjpeg refuses the header, or when the picture would be
// too large. An error part-way through the data keeps the rows decoded so far,
// the others stay black. Nothing is shown or printed in any case.
bool DecodeJpegRows(const unsigned char* data, size_t size, PixelRows& rows);
void FreeRows(PixelRows& rows);

// A bitmap compatible with the display holding the rows; nullptr when the
// system cannot make it.
HBITMAP PictureFromRows(const PixelRows& rows);

// Both steps: the picture of the JPEG data, or nullptr for no picture.
HBITMAP DecodeArtwork(const unsigned char* data, size_t size);
