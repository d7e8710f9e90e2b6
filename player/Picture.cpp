#include "Picture.h"

#include <commdlg.h>

#include "BitmapFile.h"
#include "Files.h"
#include "PlayerIds.h"
#include "PlayerStart.h"

void ReleasePicture(PictureImage* picture) {
    if (picture->bitmap) DeleteObject(picture->bitmap);
    picture->bitmap = nullptr;
}

// A screen-compatible image of the band, painted black first so that any part
// the window cannot supply stays black.
static HBITMAP CaptureBand(HWND source, const Box& band) {
    if (band.width <= 0 || band.height <= 0) return nullptr;
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!screen) return nullptr;
    HBITMAP image = CreateCompatibleBitmap(screen, band.width, band.height);
    HDC memory = image ? CreateCompatibleDC(screen) : nullptr;
    DeleteDC(screen);
    if (!memory) {
        if (image) DeleteObject(image);
        return nullptr;
    }
    HGDIOBJ previous = SelectObject(memory, image);
    RECT all = {0, 0, band.width, band.height};
    FillRect(memory, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    HDC window = GetDC(source);
    if (window) {
        BitBlt(memory, 0, 0, band.width, band.height, window, band.left, band.top, SRCCOPY);
        ReleaseDC(source, window);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return image;
}

// The chosen path, or the empty text when the user cancels. The player's
// window is disabled while the dialog is open, whether or not it owns it.
static Text AskPicturePath(HWND player, const Text& startFolder) {
    char path[kPictureDialogPathBytes];
    path[0] = 0;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnForegroundWindow();
    dialog.lpstrFilter = kPictureDialogFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
    dialog.lpstrTitle = kPictureDialogTitle;
    // No overwrite prompt and no default extension: the name is taken as typed.
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    bool disableOurselves = dialog.hwndOwner == nullptr;
    if (disableOurselves) EnableWindow(player, FALSE);
    BOOL chosen = GetSaveFileNameA(&dialog);
    if (disableOurselves) EnableWindow(player, TRUE);
    return chosen ? Text(path) : Text();
}

// The image as 24-bit rows, bottom row first, each padded to 4 bytes.
static bool WriteBitmapFile(HBITMAP image, const Text& path) {
    BITMAP info;
    if (!GetObjectA(image, sizeof info, &info)) return false;
    BitmapLayout layout;
    if (!PlanBitmap(info.bmWidth, info.bmHeight, &layout)) return false;
    unsigned char headers[kBitmapHeaderBytes];
    FillBitmapHeaders(info.bmWidth, info.bmHeight, layout, headers);

    void* rows = HeapAlloc(GetProcessHeap(), 0, layout.pixelBytes);
    if (!rows) return false;
    BITMAPINFO format{};
    CopyMemory(&format.bmiHeader, headers + 14, sizeof format.bmiHeader);
    HDC memory = CreateCompatibleDC(nullptr);
    int got = memory ? GetDIBits(memory, image, 0, (UINT)info.bmHeight, rows, &format, DIB_RGB_COLORS) : 0;
    if (memory) DeleteDC(memory);
    bool written = false;
    if (got == info.bmHeight) {
        FileWriter file(path);
        written = file.IsOpen() && file.Write(headers, 14) && file.Write(headers + 14, 40) &&
                  file.Write(rows, layout.pixelBytes);
        written = file.Close() && written;
    }
    HeapFree(GetProcessHeap(), 0, rows);
    return written;
}

void SavePicture(HWND source, const Box& band, const Text& startFolder, PictureImage* picture) {
    ReleasePicture(picture);
    picture->bitmap = CaptureBand(source, band);
    Text path = AskPicturePath(source, startFolder);
    if (path.empty() || !picture->bitmap) return;
    WriteBitmapFile(picture->bitmap, path);  // the outcome is not reported
}
