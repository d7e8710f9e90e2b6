#include "ProjectFiles.h"

#include "TestFiles.h"

std::string ScrambledSettings(const std::vector<std::string>& values) {
    std::string out;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) out += "\r\n";
        for (unsigned char c : values[i]) {
            unsigned char shifted = (unsigned char)(c + 117);
            if (shifted) out += (char)shifted;
        }
    }
    return out;
}

namespace {

// Lines end at CR, LF, CR LF or a zero byte; each is taken without spaces at its ends.
std::vector<std::string> TrimmedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    auto finish = [&] {
        size_t first = line.find_first_not_of(' ');
        size_t last = line.find_last_not_of(' ');
        lines.push_back(first == std::string::npos ? "" : line.substr(first, last - first + 1));
        line.clear();
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            finish();
        } else if (c == '\n' || c == '\0') {
            finish();
        } else {
            line += c;
        }
    }
    if (!line.empty()) finish();
    return lines;
}

std::string PieceOf(const std::string& path) {
    std::string piece;
    for (const std::string& line : TrimmedLines(ReadBytes(path))) {
        if (line == "codebase random>") break;
        piece += line;
    }
    return piece;
}

}  // namespace

std::string ExpectedPage(const std::string& filesFolder, int width, int height, const std::string& movie) {
    std::vector<std::string> first = TrimmedLines(ReadBytes(filesFolder + "1011.dat"));
    std::string w = std::to_string(width), h = std::to_string(height);
    return PieceOf(filesFolder + "1010.dat") + w + (first.empty() ? "" : first[0]) + h +
           PieceOf(filesFolder + "1015.dat") + movie + PieceOf(filesFolder + "1016.dat") + movie +
           PieceOf(filesFolder + "1017.dat") + w + PieceOf(filesFolder + "1018.dat") + h +
           PieceOf(filesFolder + "1019.dat");
}
