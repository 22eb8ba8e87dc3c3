#include "platform/version_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/private/system_library.h"

namespace platform {

namespace {

// "version.dll", loaded for one query only, and its functions.
struct VersionLibrary {
    OwnedLibrary Library = LoadSystemLibrary("version.dll");
    decltype(&GetFileVersionInfoSizeA) Size =
        FindFunction<decltype(Size)>(Library.get(), "GetFileVersionInfoSizeA");
    decltype(&GetFileVersionInfoA) Info =
        FindFunction<decltype(Info)>(Library.get(), "GetFileVersionInfoA");
    decltype(&VerQueryValueA) Query =
        FindFunction<decltype(Query)>(Library.get(), "VerQueryValueA");

    bool Usable() const { return Size && Info && Query; }

    // The file's version information, or nothing when it has none.
    std::vector<char> Read(const std::string& path) const {
        DWORD unused = 0;
        DWORD length = Size(path.c_str(), &unused);
        std::vector<char> buffer(length);
        if (length == 0 || !Info(path.c_str(), 0, length, buffer.data())) buffer.clear();
        return buffer;
    }
};

} // namespace

VersionQuery QueryFileVersion(const std::string& path, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant) {
    VersionLibrary version;
    if (!version.Library) return VersionQuery::LibraryMissing;
    if (!version.Usable()) return VersionQuery::NoVersion;
    std::vector<char> buffer = version.Read(path);
    if (buffer.empty()) return VersionQuery::NoVersion;
    VS_FIXEDFILEINFO fixed = {};
    void* found = nullptr;
    UINT foundLength = 0;
    if (version.Query(buffer.data(), "\\", &found, &foundLength) && found &&
        foundLength >= sizeof fixed)
        fixed = *static_cast<VS_FIXEDFILEINFO*>(found);
    mostSignificant = fixed.dwFileVersionMS;
    leastSignificant = fixed.dwFileVersionLS;
    return VersionQuery::Read;
}

std::string QueryProductName(const std::string& path) {
    VersionLibrary version;
    if (!version.Usable()) return "";
    std::vector<char> buffer = version.Read(path);
    WORD* translation = nullptr;
    UINT size = 0;
    if (buffer.empty() ||
        !version.Query(buffer.data(), "\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translation), &size) ||
        size < 4)
        return "";
    char key[64];
    wsprintfA(key, "\\StringFileInfo\\%04x%04x\\ProductName", translation[0], translation[1]);
    char* name = nullptr;
    if (!version.Query(buffer.data(), key, reinterpret_cast<void**>(&name), &size) || !name)
        return "";
    // A crafted resource may leave out the closing zero within the length.
    const char* end = static_cast<const char*>(memchr(name, '\0', size));
    return end ? std::string(name, end - name) : "";
}

} // namespace platform
