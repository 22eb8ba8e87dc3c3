// Names derived from the program file's path.
#pragma once

#include <string>
#include <string_view>

// The folder part of a path: up to and including the last "\" or "/".
std::string FolderOf(std::string_view path);

// The path with its file extension replaced, or with "." and the extension
// added when it has none.
std::string SiblingFileName(std::string_view path, std::string_view extension);
