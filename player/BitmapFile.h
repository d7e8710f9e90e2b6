// The layout of a 24-bit bottom-up Windows bitmap file: a 14-byte file header,
// a 40-byte information header, then the pixel rows, each padded to 4 bytes.
#pragma once
#include <windows.h>

constexpr DWORD kBitmapHeaderBytes = 54;

struct BitmapLayout {
    DWORD rowBytes;    // S: 3 x width rounded up to a multiple of 4
    DWORD pixelBytes;  // S x height
    DWORD fileBytes;   // 54 + S x height
};

// False for an empty picture (width or height not above 0) and for one whose
// file would not fit in the 32-bit size fields.
bool PlanBitmap(int width, int height, BitmapLayout* layout);

// The 54 header bytes, little-endian, for a picture that PlanBitmap accepted.
void FillBitmapHeaders(int width, int height, const BitmapLayout& layout, unsigned char headers[kBitmapHeaderBytes]);
