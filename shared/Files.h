// Files as both programs use them: open for reading (others may read too),
// create for writing (an existing file is emptied), copy replacing, and the
// folder of the running program.
#pragma once
#include <windows.h>

#include "Lines.h"
#include "Text.h"

// A file opened for reading, read through a buffer; closes itself.
class FileSource : public ByteSource {
public:
    explicit FileSource(const Text& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    bool Next(unsigned char& byte) override;
    void Back() override;

private:
    HANDLE file_;
    unsigned char buffer_[4096];
    DWORD filled_ = 0;
    DWORD pos_ = 0;
};

// A file created for writing; closes itself. Writes report failure (disk full).
class FileWriter {
public:
    explicit FileWriter(const Text& path);
    ~FileWriter() { Close(); }
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    // Writes the bytes of the text and nothing else.
    bool Write(const Text& t) { return Write(t.c_str(), t.size()); }
    bool Write(const void* data, DWORD size);
    // Closing can fail too, when the system flushes; false then.
    bool Close();

private:
    HANDLE file_;
};

bool CopyFileReplacing(const Text& from, const Text& to);
// Folder part of the running program's full path; it ends with a backslash.
Text ProgramFolder(DWORD maxPathBytes);
