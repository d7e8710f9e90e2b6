// Real files in a temporary folder for the tests.
#pragma once
#include <string>

// A new empty folder under the system's temporary folder, ending with a backslash.
// It is removed with everything in it when the object goes.
class TempDir {
public:
    explicit TempDir(const char* tag = "t");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// The whole content; empty when the file is missing (see FileExists).
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
void MakeFolder(const std::string& path);
void RemoveTree(const std::string& path);
// Names of the files in a folder, sorted.
std::string ListFolder(const std::string& folder);
// The folder of the running test program, ending with a backslash.
std::string TestProgramFolder();
// The staged distribution folder (build/dist/Tamsolo/), ending with a backslash.
// Test programs live one folder below the build folder.
std::string DistFolder();
