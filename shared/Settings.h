// The settings file data/1013.dat: ten lines, each value passed through the
// character-shift scrambler, CR LF between them and no line end after the last.
#pragma once
#include "Files.h"
#include "Text.h"

enum SettingLine {
    kWidth,
    kHeight,
    kMovieFileName,
    kProjectName,
    kDisplayMode,
    kMenuFlag,
    kXTop,
    kYTop,
    kXBottom,
    kYBottom,
    kSettingCount
};

struct Settings {
    Text value[kSettingCount];
    Text& operator[](SettingLine line) { return value[line]; }
    const Text& operator[](SettingLine line) const { return value[line]; }
};

constexpr int kScrambleShift = 117;
enum ScrambleDirection { kScramble = 0, kUnscramble = 1 };
constexpr const char* kSettingsPath = "data/1013.dat";

// Adds (or takes away) the shift to every byte modulo 256; a result byte 0 is dropped.
Text Scrambled(const Text& t, int shift, ScrambleDirection direction);

// Whether a value survives the file: its scrambled form must hold no CR or LF,
// or the reader would split the line there.
bool StorableInSettings(const Text& value);

// Writes the ten lines and closes the file; false when a write or the close fails.
bool WriteSettings(FileWriter& file, const Settings& settings);
// Reads ten lines, each trimmed and then unscrambled; missing lines are empty.
Settings ReadSettings(ByteSource& source);
