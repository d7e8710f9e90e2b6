// The project's page: cut from seven fragment files, with the page's width,
// height and movie file name inserted between the pieces. The builder joins
// it with the project's size into data/1014.dat; a full-screen program joins
// the same pieces (from the copies in its data folder) with the screen's size.
#pragma once
#include "Lines.h"
#include "Text.h"

// A line that, trimmed, equals this ends a fragment's piece.
constexpr const char* kPieceMarker = "codebase random>";

// The fragment files, in the order the page uses them.
enum Fragment { kFragment1010, kFragment1011, kFragment1015, kFragment1016, kFragment1017, kFragment1018, kFragment1019, kFragmentCount };
// "1010.dat", "1011.dat", "1015.dat" ... "1019.dat".
const char* FragmentName(int fragment);

// The page file of a full-screen project: a line end and the marker line, so
// that the full-screen program knows to build its page from the fragments.
constexpr const char kFullScreenPage[] = "\r\ncodebase random>";
constexpr size_t kFullScreenPageSize = sizeof kFullScreenPage - 1;

struct Piece {
    Text text;
    // A line or the piece itself reached the text limit, so the text may be cut.
    bool cut = false;
};

// The trimmed lines before the first marker line, joined with nothing between
// them; the piece ends at the end of the data when there is no marker line.
Piece CutPiece(ByteSource& source);
// 1011.dat gives only its first line, trimmed, whatever it holds.
Piece FirstLinePiece(ByteSource& source);
// The piece of the given fragment, by the rule that fragment follows.
Piece FragmentPiece(int fragment, ByteSource& source);

// A size of the page: the typed size plus a tuning value, both read as
// numbers, the sum (wrapping at 32 bits) written as text.
Text AdjustedSize(const Text& size, const Text& tuning);

struct PageValues {
    Text width;   // adjusted width
    Text height;  // adjusted height
    Text movieFileName;
};

struct PageText {
    Text text;
    // The page would pass the text limit (or a piece was cut): text is not the page.
    bool tooLong = false;
};

// The thirteen parts with nothing between them: 1010, width, 1011, height,
// 1015, movie, 1016, movie, 1017, width, 1018, height, 1019.
PageText JoinPage(const Piece (&pieces)[kFragmentCount], const PageValues& values);
