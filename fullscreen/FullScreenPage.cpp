#include "FullScreenPage.h"

#include <windows.h>

#include "Files.h"
#include "Page.h"

namespace {

bool IsPlainFile(const Text& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Text Problem(const char* before, const Text& name, const char* after) {
    Text text(before);
    text += name;
    text += after;
    return text;
}

}  // namespace

Text FileAddress(const Text& path) {
    static const char kHex[] = "0123456789ABCDEF";
    Text address("file:///");
    for (size_t i = 0; i < path.size(); i++) {
        unsigned char c = path[i];
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '_' || c == '.' || c == '~' || c == ':' || c == '/' || c == '(' ||
                     c == ')' || c == '!' || c == '$' || c == ',' || c == ';' || c == '=' || c == '@';
        if (c == '\\') {
            address.AppendByte('/');
        } else if (plain) {
            address.AppendByte(c);
        } else {
            address.AppendByte('%');
            address.AppendByte(kHex[c >> 4]);
            address.AppendByte(kHex[c & 15]);
        }
    }
    return address;
}

FullScreenPage AssembleFullScreenPage(const Text& dataFolder, const Settings& settings, int screenWidth,
                                      int screenHeight) {
    FullScreenPage page;
    const Text& movie = settings[kMovieFileName];
    if (movie.empty() || !IsPlainFile(dataFolder + movie)) {
        page.problem = Problem("Error: the movie \"", movie, "\" is missing from the project's data folder.");
        return page;
    }
    Piece pieces[kFragmentCount];
    for (int fragment = 0; fragment < kFragmentCount; fragment++) {
        FileSource source(dataFolder + FragmentName(fragment));
        if (!source.IsOpen()) {
            page.problem = Problem("Error: can't read the file \"", Text("data\\") + FragmentName(fragment),
                                   "\" of this project.");
            return page;
        }
        pieces[fragment] = FragmentPiece(fragment, source);
    }
    PageValues values;
    values.width = AdjustedSize(AsText(screenWidth), settings[kXBottom]);
    values.height = AdjustedSize(AsText(screenHeight), settings[kYBottom]);
    values.movieFileName = FileAddress(dataFolder + movie);
    PageText joined = JoinPage(pieces, values);
    if (joined.tooLong) {
        page.problem = "Error: the page of this project is too long.";
        return page;
    }
    page.html = joined.text;
    return page;
}
