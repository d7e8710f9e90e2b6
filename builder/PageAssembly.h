// The last step of an export: the page file data/1014.dat, cut from the
// fragment files beside the builder, and for full-screen projects the
// fragment copies in the data folder.
#pragma once
#include "Export.h"

// The fragment files ship in this folder beside the builder; the path is
// relative to the current directory.
constexpr const char* kFragmentFolder = "files/";
Text FragmentSourcePath(int fragment);

constexpr const char* kCantReadFragment = "Error: can't read the file";
constexpr const char* kCantWritePage = "Error: can't write the file";
constexpr const char* kPageTooLong = "Error: the page is too long (more than 63999 bytes)";

struct PageInput {
    Text width;   // as typed
    Text height;  // as typed
    Text xBottom;
    Text yBottom;
    Text movieFileName;
    Text displayMode;  // "2" for full screen
};

// Reads all seven fragments, then (full screen) copies them into the data
// folder, then writes the page file. A fragment that cannot be read or a page
// file that cannot be created ends the builder, after its message.
AfterExport AssemblePage(const PageInput& input, const ProjectPaths& paths, UserInterface& ui);
