#include "platform/version_info.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace platform {

namespace {

using SizeFunction = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using InfoFunction = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);

struct LibraryFreer {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};

template <typename Function> Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// "version.dll", loaded by name for one query only, and its functions.
struct VersionLibrary {
    std::unique_ptr<HINSTANCE__, LibraryFreer> Library{LoadLibraryA("version.dll")};
    SizeFunction Size =
        Library ? Find<SizeFunction>(Library.get(), "GetFileVersionInfoSizeA") : nullptr;
    InfoFunction Info =
        Library ? Find<InfoFunction>(Library.get(), "GetFileVersionInfoA") : nullptr;
    QueryFunction Query = Library ? Find<QueryFunction>(Library.get(), "VerQueryValueA") : nullptr;

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
    return name;
}

} // namespace platform
