#include "PageAssembly.h"

#include "Files.h"

Text FragmentSourcePath(int fragment) { return Text(kFragmentFolder) + Text(FragmentName(fragment)); }

AfterExport AssemblePage(const PageInput& input, const ProjectPaths& paths, UserInterface& ui) {
    // Worked out anew at every export, so the tuning is added only once.
    PageValues values;
    values.width = AdjustedSize(input.width, input.xBottom);
    values.height = AdjustedSize(input.height, input.yBottom);
    values.movieFileName = input.movieFileName;

    // All seven are read before anything is copied or written.
    Piece pieces[kFragmentCount];
    for (int f = 0; f < kFragmentCount; f++) {
        FileSource fragment(FragmentSourcePath(f));
        if (!fragment.IsOpen()) {
            ui.ShowMessage(kTamsoloTitle, kCantReadFragment);
            return AfterExport::kEndBuilder;
        }
        pieces[f] = FragmentPiece(f, fragment);
    }

    const bool fullScreen = input.displayMode == Text("2");
    PageText page;
    if (!fullScreen) {
        page = JoinPage(pieces, values);
        // A cut page would show a broken page; the earlier page file stays as it was.
        if (page.tooLong) {
            ui.ShowMessage(kTamsoloTitle, kPageTooLong);
            return AfterExport::kBackToForm;
        }
    } else {
        // The full-screen program builds its page from these copies.
        for (int f = 0; f < kFragmentCount; f++)
            if (!CopyFileReplacing(FragmentSourcePath(f), paths.fragmentCopy[f])) ui.ShowMessage(kErrorTitle, kUnableToSave);
    }

    FileWriter pageFile(paths.page);
    if (!pageFile.IsOpen()) {
        ui.ShowMessage(kTamsoloTitle, kCantWritePage);
        return AfterExport::kEndBuilder;
    }
    bool written = fullScreen ? pageFile.Write(kFullScreenPage, kFullScreenPageSize) : pageFile.Write(page.text);
    // Close even after a failed write, so the file is not left open.
    if (!pageFile.Close() || !written) ui.ShowMessage(kErrorTitle, kUnableToSave);
    return AfterExport::kBackToForm;
}
