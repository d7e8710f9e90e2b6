#include "BitmapFile.h"

bool PlanBitmap(int width, int height, BitmapLayout* layout) {
    if (width <= 0 || height <= 0) return false;
    unsigned long long row = (3ull * (unsigned)width + 3) & ~3ull;
    unsigned long long pixels = row * (unsigned)height;
    if (pixels > 0xFFFFFFFFull - kBitmapHeaderBytes) return false;
    layout->rowBytes = (DWORD)row;
    layout->pixelBytes = (DWORD)pixels;
    layout->fileBytes = (DWORD)pixels + kBitmapHeaderBytes;
    return true;
}

static void Put16(unsigned char* at, unsigned value) {
    at[0] = (unsigned char)value;
    at[1] = (unsigned char)(value >> 8);
}

static void Put32(unsigned char* at, DWORD value) {
    Put16(at, value & 0xFFFF);
    Put16(at + 2, value >> 16);
}

void FillBitmapHeaders(int width, int height, const BitmapLayout& layout, unsigned char headers[kBitmapHeaderBytes]) {
    for (DWORD i = 0; i < kBitmapHeaderBytes; i++) headers[i] = 0;
    // File header.
    headers[0] = 'B';
    headers[1] = 'M';
    Put32(headers + 2, layout.fileBytes);
    Put32(headers + 10, kBitmapHeaderBytes);
    // Information header: a positive height means the bottom row comes first.
    Put32(headers + 14, 40);
    Put32(headers + 18, (DWORD)width);
    Put32(headers + 22, (DWORD)height);
    Put16(headers + 26, 1);
    Put16(headers + 28, 24);
    Put32(headers + 30, BI_RGB);
    Put32(headers + 34, layout.pixelBytes);
    // Resolution and colour counts stay 0.
}
