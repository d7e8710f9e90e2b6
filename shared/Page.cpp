#include "Page.h"

const char* FragmentName(int fragment) {
    static const char* const kNames[kFragmentCount] = {"1010.dat", "1011.dat", "1015.dat", "1016.dat",
                                                       "1017.dat", "1018.dat", "1019.dat"};
    return fragment >= 0 && fragment < kFragmentCount ? kNames[fragment] : "";
}

// ReadLine never reports the end of the data, so look one byte ahead.
static bool AtEnd(ByteSource& source) {
    unsigned char byte;
    if (!source.Next(byte)) return true;
    source.Back();
    return false;
}

// ReadLine cuts a line at the limit without saying so; a line of that length
// may have been longer.
static Text TrimmedLine(ByteSource& source, bool& cut) {
    Text line = ReadLine(source);
    if (line.size() >= kTextLimit) cut = true;
    return Trimmed(line);
}

Piece CutPiece(ByteSource& source) {
    Piece piece;
    const Text marker(kPieceMarker);
    while (!AtEnd(source)) {
        Text line = TrimmedLine(source, piece.cut);
        if (line == marker) break;
        piece.text += line;
    }
    if (piece.text.Overflowed()) piece.cut = true;
    return piece;
}

Piece FirstLinePiece(ByteSource& source) {
    Piece piece;
    piece.text = TrimmedLine(source, piece.cut);
    return piece;
}

Piece FragmentPiece(int fragment, ByteSource& source) {
    return fragment == kFragment1011 ? FirstLinePiece(source) : CutPiece(source);
}

Text AdjustedSize(const Text& size, const Text& tuning) {
    return AsText(WrappingSum(AsNumber(size), AsNumber(tuning)));
}

PageText JoinPage(const Piece (&pieces)[kFragmentCount], const PageValues& values) {
    const Text* const after[kFragmentCount] = {&values.width,         &values.height, &values.movieFileName,
                                               &values.movieFileName, &values.width,  &values.height,
                                               nullptr};
    PageText page;
    for (int i = 0; i < kFragmentCount; i++) {
        if (pieces[i].cut) page.tooLong = true;
        page.text += pieces[i].text;
        if (after[i]) page.text += *after[i];
    }
    if (page.text.Overflowed()) page.tooLong = true;
    return page;
}
