#include "platform/files.h"
#include "tests/fakes/fake_platform.h"

using fake::World;

static bool NextOperationFails() { return ++World.FileOperations == World.FailingPoint; }

static int Move(const std::string& from, const std::string& to) {
    if (!World.Files.count(from)) return 0;
    World.Files[to] = World.Files[from];
    return int(World.Files.erase(from));
}

namespace platform {

struct File {
    std::string Path;
};

std::int64_t FileSize(const std::string& path) {
    if (World.FailingSizeQueries-- > 0) return kCannotLook;
    return World.Files.count(path) ? std::int64_t(World.Files[path].size()) : kNoSuchPath;
}

int ReadWholeFile(const std::string& path, std::string& bytes) {
    bool fails = World.FailingReads-- > 0;
    if (World.Files.count(path)) bytes = World.Files[path].substr(0, fails ? 5 : std::string::npos);
    return !fails && World.Files.count(path);
}

File* CreateFileForWriting(const std::string& path) {
    if (NextOperationFails()) return nullptr;
    World.Files[path].clear();
    return new File{path};
}

int WriteToFile(File* file, const char* data, std::size_t size) {
    // A failing write stops half-way, as on a full disk.
    bool fails = NextOperationFails();
    World.Files[file->Path].append(data, fails ? size / 2 : size);
    return !fails;
}

int FlushFile(File*) { return !NextOperationFails(); }

int CloseFile(File* file) {
    delete file;
    return !NextOperationFails();
}

int MoveFileOver(const std::string& from, const std::string& to) {
    return !NextOperationFails() && Move(from, to);
}

int RemoveFile(const std::string& path) { return int(World.Files.erase(path)); }
int ClearReadOnly(const std::string& path) { return int(World.Files.count(path)); }

int RenameFile(const std::string& from, const std::string& to) {
    return !World.FailingRenames.count(++World.Renames) && !World.Files.count(to) && Move(from, to);
}

} // namespace platform
