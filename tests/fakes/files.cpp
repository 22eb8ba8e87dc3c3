#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/files.h"
#include "tests/fakes/fake_platform.h"

namespace {

int FailingPoint = 0;
int OperationCount = 0;

// Counts one fault point and answers whether it is the one that fails.
bool NextOperationFails() { return ++OperationCount == FailingPoint; }

} // namespace

std::deque<bool> fake::RenameFailures;

std::string fake::PosixPath(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

void fake::FailFileOperationAt(int point) {
    FailingPoint = point;
    OperationCount = 0;
}

int fake::FileOperationCount() { return OperationCount; }

namespace platform {

struct File {
    int Descriptor;
};

std::int64_t FileSize(const std::string& path) {
    struct stat status;
    if (stat(fake::PosixPath(path).c_str(), &status) != 0) return kNoSuchPath;
    return S_ISDIR(status.st_mode) ? kIsDirectory : status.st_size;
}

int ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(fake::PosixPath(path).c_str(), "rb");
    if (!file) return 0;
    bytes.clear();
    char block[4096];
    for (std::size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;)
        bytes.append(block, read);
    std::fclose(file);
    return 1;
}

File* CreateFileForWriting(const std::string& path) {
    if (NextOperationFails()) return nullptr;
    int descriptor = open(fake::PosixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return descriptor < 0 ? nullptr : new File{descriptor};
}

int WriteToFile(File* file, const char* data, std::size_t size) {
    // A failing write stops half-way, as on a full disk.
    if (NextOperationFails()) size /= 2;
    return write(file->Descriptor, data, size) == static_cast<ssize_t>(size) &&
           OperationCount != FailingPoint;
}

int FlushFile(File* file) { return !NextOperationFails() && fsync(file->Descriptor) == 0; }

int CloseFile(File* file) {
    bool fails = NextOperationFails();
    int closed = close(file->Descriptor) == 0;
    delete file;
    return closed && !fails;
}

int MoveFileOver(const std::string& from, const std::string& to) {
    return !NextOperationFails() &&
           std::rename(fake::PosixPath(from).c_str(), fake::PosixPath(to).c_str()) == 0;
}

int RemoveFile(const std::string& path) { return unlink(fake::PosixPath(path).c_str()) == 0; }

int RenameFile(const std::string& from, const std::string& to) {
    bool fails = !fake::RenameFailures.empty() && fake::RenameFailures.front();
    if (!fake::RenameFailures.empty()) fake::RenameFailures.pop_front();
    if (fails || FileSize(to) != kNoSuchPath) return 0;
    return std::rename(fake::PosixPath(from).c_str(), fake::PosixPath(to).c_str()) == 0;
}

} // namespace platform
