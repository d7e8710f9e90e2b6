// What `make run` shows where there is no display: the builder's main job,
// done through its own window as a user would, on a virtual screen.
//
//   builder_demo.exe PROJECT_FOLDER PICTURE_FOLDER
//
// Starts the builder from the distribution folder, types a project name,
// chooses the bundled sample movie in the open dialog, opens the tuning
// dialog, and saves the project as PROJECT_FOLDER\Sample.exe through the save
// dialog. Then it starts the exported project. For each window worth seeing
// it asks the script that runs it for a picture of the screen: it writes
// PICTURE_FOLDER\<name>.request ("width height x y") and waits for
// PICTURE_FOLDER\<name>.done. Exit code 0 when every step worked.
#include <windows.h>

#include <stdio.h>

#include <fstream>

#include "BuilderDriver.h"

namespace {

std::string g_pictures;

bool Step(bool ok, const char* what) {
    printf("%s %s\n", ok ? "  done:" : "FAILED:", what);
    fflush(stdout);
    return ok;
}

// Waits until the window looks the same a few times in a row, then asks for its picture.
bool AskForPicture(HWND window, const std::string& name) {
    int same = 0;
    std::string last;
    WaitUntil([&] {
        WindowPicture now = TakePicture(window);
        same = !now.Empty() && now.rows == last ? same + 1 : 0;
        last = now.rows;
        return same >= 5;
    }, 10000);
    RECT r{};
    GetWindowRect(window, &r);
    std::string request = g_pictures + name + ".request", done = g_pictures + name + ".done";
    DeleteFileA(done.c_str());
    {
        std::ofstream out(request + ".part");
        out << (r.right - r.left) << " " << (r.bottom - r.top) << " " << r.left << " " << r.top << "\n";
    }
    MoveFileA((request + ".part").c_str(), request.c_str());  // the script sees it whole
    return WaitUntil([&] { return FileExists(done); }, 30000);
}

HWND WaitForProjectWindow(DWORD pid, const char* title) {
    HWND found = nullptr;
    WaitUntil([&] {
        auto all = TopWindows(pid, nullptr, title);
        found = all.empty() ? nullptr : all.front();
        return found != nullptr;
    });
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: builder_demo PROJECT_FOLDER PICTURE_FOLDER\n");
        return 2;
    }
    std::string project = argv[1], pictures = argv[2];
    if (project.back() != '\\') project += '\\';
    if (pictures.back() != '\\') pictures += '\\';
    g_pictures = pictures;
    const std::string movie = DistFolder() + "sample.swf";

    BuilderSession builder;
    if (!Step(builder.main() != nullptr, "the builder opened its window")) return 1;
    builder.Type(kName, "Sample Movie");
    builder.Type(kWidth, "640");
    builder.Type(kHeight, "480");
    if (!Step(builder.ChooseMovie(movie), "Browse: sample.swf chosen in the open dialog")) return 1;
    if (!Step(AskForPicture(builder.main(), "1-builder-main-window"), "picture of the main window")) return 1;

    HWND tuning = builder.OpenTuning();
    if (!Step(tuning != nullptr, "SWF Tuning: the tuning dialog opened")) return 1;
    if (!Step(AskForPicture(tuning, "2-builder-tuning-dialog"), "picture of the tuning dialog")) return 1;
    Click(builder.TuningControl(kOk));
    Step(WaitUntil([&] { return builder.Tuning() == nullptr; }), "Ok: the tuning dialog closed");

    if (!Step(builder.SaveAs(project + "Sample"), "Save: the save dialog answered with Sample")) return 1;
    bool written = FileExists(project + "Sample.exe") && FileExists(project + "data\\1013.dat") &&
                   FileExists(project + "data\\1014.dat") && FileExists(project + "data\\sample.swf");
    if (!Step(written, "the project folder holds Sample.exe and data\\ (1013.dat, 1014.dat, sample.swf)")) return 1;
    Click(builder.Control(kQuit));
    Step(builder.process().WaitExit() == 0, "Quit: the builder ended with exit code 0");

    Process player(project + "Sample.exe", project);
    HWND window = WaitForProjectWindow(player.Id(), "Sample Movie");
    if (!Step(window != nullptr, "the exported project opened its window \"Sample Movie\"")) return 1;
    if (!Step(AskForPicture(window, "3-exported-project"), "picture of the exported project")) return 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    Step(player.WaitExit() == 0, "the exported project ended with exit code 0");
    return 0;
}
