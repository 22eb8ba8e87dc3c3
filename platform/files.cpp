#include "platform/files.h"

#include <windows.h>

#include <memory>

namespace platform {

struct File {
    HANDLE Handle;
};

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

OwnedHandle OpenForReading(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The one file RemoveFileWhenFree is after.
std::string PendingRemoval;
DWORD RemovalStart = 0, RemovalTime = 0;

void CALLBACK TryPendingRemoval(HWND, UINT, UINT_PTR timer, DWORD now) {
    bool gone = DeleteFileA(PendingRemoval.c_str()) ||
                GetFileAttributesA(PendingRemoval.c_str()) == INVALID_FILE_ATTRIBUTES;
    if (gone || now - RemovalStart >= RemovalTime) KillTimer(nullptr, timer);
}

} // namespace

std::int64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? kNoSuchPath
                                                                              : kCannotLook;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return kIsDirectory;
    return static_cast<std::int64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

int ReadWholeFile(const std::string& path, std::string& bytes) {
    OwnedHandle file = OpenForReading(path);
    if (!file) return 0;
    bytes.clear();
    char block[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), block, sizeof block, &read, nullptr)) {
        if (read == 0) return 1;
        bytes.append(block, read);
    }
    return 0;
}

File* CreateFileForWriting(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return new File{handle};
}

int WriteToFile(File* file, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file->Handle, data, chunk, &written, nullptr) || written == 0) return 0;
        data += written;
        size -= written;
    }
    return 1;
}

int FlushFile(File* file) { return FlushFileBuffers(file->Handle) ? 1 : 0; }

int CloseFile(File* file) {
    std::unique_ptr<File> owned(file);
    return CloseHandle(owned->Handle) ? 1 : 0;
}

int MoveFileOver(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 1;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return 0;
    // Windows 95, 98 and Me know no replacing move: the old file has to go
    // first, and only there is a short moment with the new file under its
    // temporary name alone.
    if (!DeleteFileA(to.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return 0;
    return MoveFileA(from.c_str(), to.c_str()) ? 1 : 0;
}

int RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) ? 1 : 0; }

int ClearReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    if (!(attributes & FILE_ATTRIBUTE_READONLY)) return 1;
    return SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) ? 1 : 0;
}

void RemoveFileWhenFree(const std::string& path, unsigned milliseconds) {
    PendingRemoval = path;
    RemovalStart = GetTickCount();
    RemovalTime = milliseconds;
    SetTimer(nullptr, 0, 250, TryPendingRemoval);
}

int RenameFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) ? 1 : 0;
}

} // namespace platform
