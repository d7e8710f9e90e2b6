#include "Export.h"

#include <stdlib.h>
#include <windows.h>

#include "Files.h"
#include "PageAssembly.h"

Text WithExeExtension(const Text& chosenPath) {
    if (chosenPath.empty() || ExtensionPart(chosenPath) == Text("exe")) return chosenPath;
    return chosenPath + Text(".exe");
}

ProjectPaths FormProjectPaths(const Text& programPath, const Text& moviePath) {
    ProjectPaths p;
    p.program = programPath;
    p.projectFolder = FolderPart(programPath);
    p.dataFolder = p.projectFolder + Text("data/");
    p.movieFileName = FilePart(moviePath);
    p.movieCopy = p.dataFolder + p.movieFileName;
    p.settings = p.dataFolder + Text("1013.dat");
    p.page = p.dataFolder + Text("1014.dat");
    for (int f = 0; f < kFragmentCount; f++) p.fragmentCopy[f] = p.dataFolder + Text(FragmentName(f));
    return p;
}

const char* MissingFieldMessage(const ExportInput& input) {
    if (input.projectName.empty()) return "Please enter project name !";
    if (input.moviePath.empty()) return "SWF file is missing !";
    if (input.width.empty()) return "Please enter window width !";
    if (input.height.empty()) return "Please enter window height !";
    return nullptr;
}

const char* UnstorableFieldMessage(const ExportInput& input) {
    const Text movieFileName = FilePart(input.moviePath);
    const struct {
        const Text& value;
        const char* message;
    } fields[] = {
        {input.projectName, "The project name contains a character that cannot be saved !"},
        {movieFileName, "The SWF file name contains a character that cannot be saved !"},
        {input.width, "The width contains a character that cannot be saved !"},
        {input.height, "The height contains a character that cannot be saved !"},
        {input.tuning.xTop, "The x top value contains a character that cannot be saved !"},
        {input.tuning.yTop, "The y top value contains a character that cannot be saved !"},
        {input.tuning.xBottom, "The x bottom value contains a character that cannot be saved !"},
        {input.tuning.yBottom, "The y bottom value contains a character that cannot be saved !"},
    };
    for (const auto& field : fields)
        if (!StorableInSettings(field.value)) return field.message;
    return nullptr;
}

OutputKindRow OutputKindOf(const Text& outputKind) {
    if (outputKind == Text("Windowed")) return {"files/01.dat", "1"};
    if (outputKind == Text("Full Screen")) return {"files/02.dat", "2"};
    // The drop-down list offers only the two kinds; anything else has no stub
    // (its copy fails and is reported) and no display mode.
    return {"", ""};
}

Settings SettingsFor(const ExportInput& input, const Text& movieFileName, const Text& displayMode) {
    Settings s;
    s[kWidth] = input.width;
    s[kHeight] = input.height;
    s[kMovieFileName] = movieFileName;
    s[kProjectName] = input.projectName;
    s[kDisplayMode] = displayMode;
    s[kMenuFlag] = "nomenu";
    s[kXTop] = input.tuning.xTop;
    s[kYTop] = input.tuning.yTop;
    s[kXBottom] = input.tuning.xBottom;
    s[kYBottom] = input.tuning.yBottom;
    return s;
}

// The full path as the system forms it, with one kind of separator and one case.
static bool ComparableFullPath(const Text& path, Text& out) {
    if (path.empty()) return false;
    DWORD need = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (need == 0 || need > kTextLimit + 1) return false;
    char* buffer = (char*)malloc(need);
    if (!buffer) return false;
    DWORD got = GetFullPathNameA(path.c_str(), need, buffer, nullptr);
    bool ok = got > 0 && got < need;
    if (ok) {
        for (DWORD i = 0; i < got; i++)
            if (buffer[i] == '/') buffer[i] = '\\';
        CharUpperBuffA(buffer, got);
        out = Text(buffer, got);
    }
    free(buffer);
    return ok;
}

bool SamePath(const Text& a, const Text& b) {
    Text fullA, fullB;
    return ComparableFullPath(a, fullA) && ComparableFullPath(b, fullB) && fullA == fullB;
}

AfterExport ExportProject(const ExportInput& input, UserInterface& ui) {
    if (const char* message = MissingFieldMessage(input)) {
        ui.ShowMessage(kErrorTitle, message);
        return AfterExport::kBackToForm;
    }
    // A value the settings file cannot hold would shift every later line.
    if (const char* message = UnstorableFieldMessage(input)) {
        ui.ShowMessage(kErrorTitle, message);
        return AfterExport::kBackToForm;
    }

    Text chosen = ui.AskSavePath(kSaveDialogTitle, kSaveDialogFilter);
    // A cancelled dialog: nothing to write, and nothing said.
    if (chosen.empty()) return AfterExport::kBackToForm;

    const ProjectPaths paths = FormProjectPaths(WithExeExtension(chosen), input.moviePath);
    const OutputKindRow kind = OutputKindOf(input.outputKind);

    if (!CopyFileReplacing(kind.stub, paths.program)) ui.ShowMessage(kErrorTitle, kUnableToSave);

    // An existing folder keeps its content; a folder that cannot be made shows
    // in the writes that follow.
    CreateDirectoryA(paths.dataFolder.c_str(), nullptr);

    // A movie chosen from this project's own data folder is already in place.
    if (!SamePath(input.moviePath, paths.movieCopy) && !CopyFileReplacing(input.moviePath, paths.movieCopy))
        ui.ShowMessage(kErrorTitle, kUnableToSave);

    {
        FileWriter settingsFile(paths.settings);
        if (!settingsFile.IsOpen() || !WriteSettings(settingsFile, SettingsFor(input, paths.movieFileName, kind.displayMode))) {
            ui.ShowMessage(kErrorTitle, kUnableToSave);
            return AfterExport::kBackToForm;
        }
    }

    PageInput page;
    page.width = input.width;
    page.height = input.height;
    page.xBottom = input.tuning.xBottom;
    page.yBottom = input.tuning.yBottom;
    page.movieFileName = paths.movieFileName;
    page.displayMode = kind.displayMode;
    return AssemblePage(page, paths, ui);
}
