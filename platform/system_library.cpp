#include "platform/private/system_library.h"

#include <string>

namespace platform {

OwnedLibrary LoadSystemLibrary(const char* fileName) {
    char folder[MAX_PATH + 1] = "";
    UINT length = GetSystemDirectoryA(folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return nullptr;
    std::string path = std::string(folder, length) + "\\" + fileName;
    // The libraries it needs in turn are then also looked for in its folder
    // first, not in the program's.
    return OwnedLibrary(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace platform
