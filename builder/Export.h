// The export: turns a snapshot of the builder's form into a project folder
// (program file, data/ with the movie copy, 1013.dat settings, 1014.dat page).
#pragma once
#include "Page.h"
#include "Settings.h"
#include "Text.h"
#include "UserInterface.h"

struct TuningValues {
    Text xTop = "0";
    Text yTop = "0";
    Text xBottom = "0";
    Text yBottom = "0";
};

struct ExportInput {
    Text projectName;
    Text moviePath;
    Text outputKind = "Windowed";  // "Windowed" or "Full Screen"
    Text width = "800";
    Text height = "600";
    TuningValues tuning;
};

// What the builder does after an export.
enum class AfterExport { kBackToForm, kEndBuilder };

AfterExport ExportProject(const ExportInput& input, UserInterface& ui);

// Titles and messages of the export and of page assembly.
constexpr const char* kErrorTitle = "Error";
constexpr const char* kTamsoloTitle = "Tamsolo";
constexpr const char* kUnableToSave = "Unable to save the project !";
constexpr const char* kSaveDialogTitle = "Save as EXE (Windowed)";
constexpr const char* kSaveDialogFilter = "Exe (*.exe)|*.exe";

// The paths of one export, each formed by plain joining: up to the project
// folder with the backslashes the save dialog gives, then "data/" and a name.
struct ProjectPaths {
    Text program;        // the chosen path, ".exe" added when needed
    Text projectFolder;  // folder part of the program path, with its last backslash
    Text dataFolder;     // project folder + "data/"
    Text movieFileName;  // file part of the movie path
    Text movieCopy;      // data folder + movie file name
    Text settings;       // data folder + "1013.dat"
    Text page;           // data folder + "1014.dat"
    Text fragmentCopy[kFragmentCount];  // data folder + "1010.dat", "1011.dat", "1015.dat" ...
};

// Appends ".exe" unless the extension is exactly "exe" (case matters: a.EXE
// becomes a.EXE.exe). The empty path stays empty.
Text WithExeExtension(const Text& chosenPath);
ProjectPaths FormProjectPaths(const Text& programPath, const Text& moviePath);

// The message for the first required field that is empty, or nullptr.
const char* MissingFieldMessage(const ExportInput& input);
// The message for the first value that the settings file cannot hold (its
// scrambled form would contain a line end), or nullptr.
const char* UnstorableFieldMessage(const ExportInput& input);

// The stub copied to the program path and the display mode, by output kind.
struct OutputKindRow {
    const char* stub;
    const char* displayMode;
};
OutputKindRow OutputKindOf(const Text& outputKind);

// The ten settings lines of the project.
Settings SettingsFor(const ExportInput& input, const Text& movieFileName, const Text& displayMode);

// Whether two paths name the same file: their full paths compared without
// regard to case, with / and \ taken alike.
bool SamePath(const Text& a, const Text& b);
