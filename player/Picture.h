// "Save Picture": copies a band of the player window into the picture image,
// asks for a file name and writes the image as a 24-bit .bmp file. Nothing
// is reported, whatever fails.
#pragma once
#include <windows.h>

#include "PlayerLayout.h"
#include "Text.h"

// The one picture image of the run: each capture replaces the previous one,
// and the last lives until the player ends.
struct PictureImage {
    HBITMAP bitmap;
};

// source is the player's own window; band is in its inner area. A band with
// no pixels (width or height not above 0) gives no picture: the dialog still
// opens, and nothing is written.
void SavePicture(HWND source, const Box& band, const Text& startFolder, PictureImage* picture);

void ReleasePicture(PictureImage* picture);
