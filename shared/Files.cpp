#include "Files.h"

FileSource::FileSource(const Text& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

FileSource::~FileSource() {
    if (IsOpen()) CloseHandle(file_);
}

bool FileSource::Next(unsigned char& byte) {
    if (pos_ >= filled_) {
        if (!IsOpen()) return false;
        DWORD got = 0;
        if (!ReadFile(file_, buffer_, sizeof buffer_, &got, nullptr) || got == 0) {
            filled_ = pos_ = 0;
            return false;
        }
        filled_ = got;
        pos_ = 0;
    }
    byte = buffer_[pos_++];
    return true;
}

// Back always follows a Next that returned a byte, so that byte is still in
// the buffer: a refill happens only inside Next, before the byte is taken.
void FileSource::Back() {
    if (pos_ > 0) pos_--;
}

FileWriter::FileWriter(const Text& path)
    : file_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

bool FileWriter::Write(const void* data, DWORD size) {
    if (!IsOpen()) return false;
    if (size == 0) return true;
    DWORD written = 0;
    return WriteFile(file_, data, size, &written, nullptr) && written == size;
}

bool FileWriter::Close() {
    if (!IsOpen()) return true;
    bool ok = CloseHandle(file_) != 0;
    file_ = INVALID_HANDLE_VALUE;
    return ok;
}

bool CopyFileReplacing(const Text& from, const Text& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

Text ProgramFolder(DWORD maxPathBytes) {
    char path[MAX_PATH * 4];
    if (maxPathBytes > sizeof path) maxPathBytes = sizeof path;
    DWORD n = GetModuleFileNameA(nullptr, path, maxPathBytes);
    if (n == 0 || n >= maxPathBytes) return Text();
    return FolderPart(Text(path, n));
}
