#include "platform/ansi_path.h"

#include <windows.h>

namespace platform {

namespace {

PathSpelling Spell(const std::wstring& path) {
    int wideLength = static_cast<int>(path.size());
    std::string ansi(path.size() * 3, '\0'); // room for three bytes a character, as in UTF-8
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, path.data(), wideLength, ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    std::wstring readBack(ansi.size(), L'\0');
    readBack.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                        readBack.data(), static_cast<int>(readBack.size())));
    return {path, ansi, readBack};
}

std::wstring ShortForm(const std::wstring& path) {
    wchar_t shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    return std::wstring(shortPath, length < MAX_PATH ? length : 0);
}

} // namespace

std::string AnsiPath(const std::wstring& path) {
    PathSpelling longForm = Spell(path);
    // The file system is asked for the short form only where it is needed.
    return ChooseAnsiPath(longForm,
                          SpelledExactly(longForm) ? PathSpelling{} : Spell(ShortForm(path)));
}

} // namespace platform
