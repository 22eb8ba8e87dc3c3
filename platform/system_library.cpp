#include "platform/private/system_library.h"

#include <string>

namespace platform {

OwnedLibrary LoadSystemLibrary(const char* fileName) {
    char folder[MAX_PATH + 1] = "";
    UINT length = GetSystemDirectoryA(folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return nullptr;
    std::string path = std::string(folder, length) + "\\" + fileName;
    return OwnedLibrary(LoadLibraryA(path.c_str()));
}

} // namespace platform
