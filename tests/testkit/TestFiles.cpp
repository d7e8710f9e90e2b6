#include "TestFiles.h"

#include <windows.h>

#include <algorithm>
#include <vector>

TempDir::TempDir(const char* tag) {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(base) + "tamsolo-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
}

TempDir::~TempDir() { RemoveTree(path_); }

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(f, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(f);
}

std::string ReadBytes(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::string();
    std::string out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(f);
    return out;
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

void RemoveTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = folder + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

std::string ListFolder(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    std::sort(names.begin(), names.end());
    std::string out;
    for (auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
}

std::string TestProgramFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p(path, n);
    return p.substr(0, p.find_last_of('\\') + 1);
}

std::string DistFolder() { return TestProgramFolder() + "..\\dist\\Tamsolo\\"; }
