// What a project folder must hold, worked out here from first principles so
// that the tests do not lean on the builder's own code: the scrambled
// settings lines and the page cut from the fragment files.
#pragma once
#include <string>
#include <vector>

// The ten values, each byte shifted up by 117 (a byte that becomes 0 is
// dropped), CR LF between the lines and none after the last.
std::string ScrambledSettings(const std::vector<std::string>& values);

// The page of a windowed project, cut from the fragment files in the folder
// (ending with a backslash) with the given size and movie file name.
std::string ExpectedPage(const std::string& filesFolder, int width, int height, const std::string& movie);
