// Artwork data for a test build of the builder: the main artwork with its
// first two bytes broken, so that it is no JPEG any more, and the tuning
// artwork cut to half its length.
#include <stdlib.h>
#include <string.h>

#include "ArtworkData.h"

namespace real {
#include "ArtworkData.cpp"
}

ArtworkBytes MainArtwork() {
    ArtworkBytes whole = real::MainArtwork();
    auto* copy = (unsigned char*)malloc(whole.size);  // kept until the program ends
    memcpy(copy, whole.data, whole.size);
    copy[0] = 0x00;
    copy[1] = 0x00;
    return {copy, whole.size};
}

ArtworkBytes TuningArtwork() {
    ArtworkBytes whole = real::TuningArtwork();
    return {whole.data, whole.size / 2};
}
