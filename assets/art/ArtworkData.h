// The builder's two window backgrounds, JPEG files compiled in as byte arrays
// (written by make-art.py).
#pragma once
#include <stddef.h>

struct ArtworkBytes {
    const unsigned char* data;
    size_t size;
};

ArtworkBytes MainArtwork();    // 600 x 300
ArtworkBytes TuningArtwork();  // 200 x 200
