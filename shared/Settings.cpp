#include "Settings.h"

Text Scrambled(const Text& t, int shift, ScrambleDirection direction) {
    Text result;
    for (size_t i = 0; i < t.size(); i++) {
        int r = direction == kScramble ? t[i] + shift : t[i] - shift + 256;
        r &= 255;
        if (r != 0) result.AppendByte((unsigned char)r);
    }
    return result;
}

bool StorableInSettings(const Text& value) {
    Text stored = Scrambled(value, kScrambleShift, kScramble);
    for (size_t i = 0; i < stored.size(); i++)
        if (stored[i] == 10 || stored[i] == 13) return false;
    return true;
}

bool WriteSettings(FileWriter& file, const Settings& settings) {
    bool ok = true;
    for (int line = 0; line < kSettingCount; line++) {
        ok = file.Write(Scrambled(settings.value[line], kScrambleShift, kScramble)) && ok;
        if (line + 1 < kSettingCount) ok = file.Write("\r\n", 2) && ok;
    }
    return file.Close() && ok;
}

Settings ReadSettings(ByteSource& source) {
    Settings settings;
    for (int line = 0; line < kSettingCount; line++)
        settings.value[line] = Scrambled(Trimmed(ReadLine(source)), kScrambleShift, kUnscramble);
    return settings;
}
