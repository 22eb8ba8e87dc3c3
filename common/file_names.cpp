#include "common/file_names.h"

static std::size_t FileStart(std::string_view path) {
    std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, FileStart(path))); }

std::string SiblingFileName(std::string_view path, std::string_view extension) {
    std::string_view folder = path.substr(0, FileStart(path));
    std::string_view file = path.substr(folder.size());
    std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos) return std::string(path) + "." + std::string(extension);
    std::string_view oldExtension = file.substr(dot + 1);
    oldExtension = oldExtension.substr(0, oldExtension.find('"'));
    // Every occurrence of the old extension in the file part is replaced, so
    // a.exe.exe gives a.bat.bat.
    std::string from = "." + std::string(oldExtension);
    std::string to = "." + std::string(extension);
    std::string result(folder);
    std::size_t at = 0;
    for (std::size_t found; (found = file.find(from, at)) != std::string_view::npos;
         at = found + from.size())
        result.append(file.substr(at, found - at)).append(to);
    return result.append(file.substr(at));
}
