// Files, by path, with 1/0 answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

constexpr std::int64_t kNoSuchPath = -1;
constexpr std::int64_t kIsDirectory = -2;
constexpr std::int64_t kCannotLook = -3; // e.g. a network drive not ready, access denied

// The size of a file in bytes, kNoSuchPath, kIsDirectory or kCannotLook.
std::int64_t FileSize(const std::string& path);

int ReadWholeFile(const std::string& path, std::string& bytes);

// A file open for writing, from CreateFileForWriting until CloseFile.
struct File;

// Creates the file, or empties an existing one; nullptr on failure.
File* CreateFileForWriting(const std::string& path);
int WriteToFile(File* file, const char* data, std::size_t size);
// Hands the written data to the disk before the file is used further.
int FlushFile(File* file);
// Always releases the file; answers 0 when the system reported a failure.
int CloseFile(File* file);

// Puts from in the place of to in one step, so that to is either the old or
// the new file whatever happens meanwhile.
int MoveFileOver(const std::string& from, const std::string& to);
int RemoveFile(const std::string& path);
// Takes away the read-only attribute, which keeps a file from being deleted,
// and leaves its other attributes; answers 1 once the file is not read-only.
int ClearReadOnly(const std::string& path);
// Keeps trying, every quarter second while the program waits for events, to
// delete a file that another process still holds, until it is gone or the time
// is up. Nothing is reported either way.
void RemoveFileWhenFree(const std::string& path, unsigned milliseconds);
// Gives the file another name; fails when a file of that name exists.
int RenameFile(const std::string& from, const std::string& to);

} // namespace platform
