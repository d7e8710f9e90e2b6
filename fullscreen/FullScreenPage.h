// The page of a full-screen project, built when the project starts: the same
// pieces as the builder's page, cut from the fragment copies in the project's
// data folder, joined with the screen's size and the movie's full address.
#pragma once
#include "Settings.h"
#include "Text.h"

struct FullScreenPage {
    Text html;
    // Empty when the page was built; otherwise what to tell the user.
    Text problem;
};

// dataFolder ends with a separator; screenWidth and screenHeight take the
// place of the stored width and height, the tuning values still add to them.
FullScreenPage AssembleFullScreenPage(const Text& dataFolder, const Settings& settings, int screenWidth,
                                      int screenHeight);

// A file: address for a Windows path: backslashes become slashes and every
// byte that is not plainly safe in an address or an HTML attribute is %-escaped.
Text FileAddress(const Text& path);
