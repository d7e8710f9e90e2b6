#include "Artwork.h"

#include <setjmp.h>
#include <stdio.h>  // jpeglib.h needs FILE
#include <stdlib.h>

#include <jpeglib.h>

namespace {

// Pictures beyond this many bytes of pixels are refused rather than allocated.
constexpr unsigned long long kMaxPixelBytes = 256ull * 1024 * 1024;

// libjpeg's fatal errors jump back into DecodeJpegRows; its messages go nowhere.
struct SilentErrors {
    jpeg_error_mgr manager;
    jmp_buf back;
};

void JumpBack(j_common_ptr info) { longjmp(((SilentErrors*)info->err)->back, 1); }
void SayNothing(j_common_ptr, int) {}
void PrintNothing(j_common_ptr) {}

// libjpeg gives red, green, blue; a bitmap row wants blue, green, red.
void SwapRedAndBlue(unsigned char* row, int width) {
    for (int x = 0; x < width; ++x) {
        unsigned char red = row[3 * x];
        row[3 * x] = row[3 * x + 2];
        row[3 * x + 2] = red;
    }
}

}  // namespace

bool DecodeJpegRows(const unsigned char* data, size_t size, PixelRows& rows) {
    rows = PixelRows();
    if (!data || size < 2 || data[0] != 0xFF || data[1] != 0xD8) return false;

    jpeg_decompress_struct info;
    SilentErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.emit_message = SayNothing;
    errors.manager.output_message = PrintNothing;

    // Set after setjmp and read after a jump back: volatile keeps them in memory.
    unsigned char* volatile pixels = nullptr;
    volatile int width = 0;
    volatile int height = 0;
    volatile size_t rowBytes = 0;

    if (setjmp(errors.back)) {
        // An error inside libjpeg. Once the rows exist, the picture is made
        // from what was decoded; before that there is no picture.
        jpeg_destroy_decompress(&info);
        if (!pixels) return false;
        rows.pixels = pixels;
        rows.width = width;
        rows.height = height;
        rows.rowBytes = rowBytes;
        return true;
    }

    jpeg_create_decompress(&info);
    // The real length of the data, so that a damaged file cannot make the
    // decoder read past its end.
    jpeg_mem_src(&info, data, (unsigned long)size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;  // greyscale and colour alike come out as RGB
    jpeg_start_decompress(&info);

    width = (int)info.output_width;
    height = (int)info.output_height;
    rowBytes = (size_t)width * 3 + (size_t)(width % 4);
    unsigned long long total = (unsigned long long)rowBytes * (unsigned long long)height;
    if (width <= 0 || height <= 0 || info.output_components != 3 || total > kMaxPixelBytes) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    pixels = (unsigned char*)calloc((size_t)total, 1);  // black until decoded
    if (!pixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    while (info.output_scanline < info.output_height) {
        unsigned char* row = pixels + (size_t)info.output_scanline * rowBytes;
        JSAMPROW target = row;
        if (jpeg_read_scanlines(&info, &target, 1) != 1) break;  // no more data
        SwapRedAndBlue(row, width);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    rows.pixels = pixels;
    rows.width = width;
    rows.height = height;
    rows.rowBytes = rowBytes;
    return true;
}

void FreeRows(PixelRows& rows) {
    free(rows.pixels);
    rows = PixelRows();
}

HBITMAP PictureFromRows(const PixelRows& rows) {
    if (!rows.pixels) return nullptr;
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return nullptr;
    HBITMAP picture = CreateCompatibleBitmap(display, rows.width, rows.height);
    if (picture) {
        HDC memory = CreateCompatibleDC(display);
        if (memory) {
            HGDIOBJ before = SelectObject(memory, picture);
            RECT all = {0, 0, rows.width, rows.height};
            FillRect(memory, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
            SelectObject(memory, before);
            DeleteDC(memory);
        }
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = rows.width;
        info.bmiHeader.biHeight = -rows.height;  // first row at the top
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBits(display, picture, 0, (UINT)rows.height, rows.pixels, &info, DIB_RGB_COLORS);
    }
    DeleteDC(display);
    return picture;
}

HBITMAP DecodeArtwork(const unsigned char* data, size_t size) {
    PixelRows rows;
    if (!DecodeJpegRows(data, size, rows)) return nullptr;
    HBITMAP picture = PictureFromRows(rows);
    FreeRows(rows);
    return picture;
}
