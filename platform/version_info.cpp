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

} // namespace

VersionQuery QueryFileVersion(const std::string& path, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant) {
    std::unique_ptr<HINSTANCE__, LibraryFreer> library(LoadLibraryA("version.dll"));
    if (!library) return VersionQuery::LibraryMissing;
    auto size = Find<SizeFunction>(library.get(), "GetFileVersionInfoSizeA");
    auto info = Find<InfoFunction>(library.get(), "GetFileVersionInfoA");
    auto query = Find<QueryFunction>(library.get(), "VerQueryValueA");
    if (!size || !info || !query) return VersionQuery::NoVersion;
    DWORD unused = 0;
    DWORD length = size(path.c_str(), &unused);
    if (length == 0) return VersionQuery::NoVersion;
    std::vector<char> buffer(length);
    if (!info(path.c_str(), 0, length, buffer.data())) return VersionQuery::NoVersion;
    VS_FIXEDFILEINFO fixed = {};
    void* found = nullptr;
    UINT foundLength = 0;
    if (query(buffer.data(), "\\", &found, &foundLength) && found && foundLength >= sizeof fixed)
        fixed = *static_cast<VS_FIXEDFILEINFO*>(found);
    mostSignificant = fixed.dwFileVersionMS;
    leastSignificant = fixed.dwFileVersionLS;
    return VersionQuery::Read;
}

} // namespace platform
