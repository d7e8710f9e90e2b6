// The builder: start-up, the event loop, and the end.
#include <windows.h>
#include <commctrl.h>

#include "Artwork.h"
#include "ArtworkData.h"
#include "Builder.h"
#include "BuilderIds.h"
#include "EventLoop.h"
#include "FormWindows.h"
#include "Files.h"
#include "MainWindow.h"
#include "TuningDialog.h"

namespace {

void StartUp(Builder& builder, HINSTANCE instance) {
    builder.instance = instance;
    builder.programFolder = ProgramFolder(kProgramPathBytes);
    InitCommonControls();
    builder.tuning = TuningValues();  // "0" each
    ArtworkBytes main = MainArtwork();
    ArtworkBytes tuning = TuningArtwork();
    // A picture that cannot be made is simply absent: the window shows its plain background.
    builder.mainPicture = DecodeArtwork(main.data, main.size);
    builder.tuningPicture = DecodeArtwork(tuning.data, tuning.size);
    OpenMainWindow(builder);
    builder.mainKeys = CreateFormKeys(kMainWindowNumber);
    builder.tuningKeys = CreateFormKeys(kTuningWindowNumber);
}

void End(Builder& builder) {
    CloseTuningDialog(builder);
    if (builder.main.window) DestroyWindow(builder.main.window);
    builder.main = FormWindow();
    UnregisterClassA(kMainClassName, builder.instance);
    if (builder.mainKeys) DestroyAcceleratorTable(builder.mainKeys);
    if (builder.tuningKeys) DestroyAcceleratorTable(builder.tuningKeys);
    if (builder.mainPicture) DeleteObject(builder.mainPicture);
    if (builder.tuningPicture) DeleteObject(builder.tuningPicture);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Builder builder;
    StartUp(builder, instance);
    if (builder.main.window) RunEventLoop(builder);
    End(builder);
    return 0;
}
