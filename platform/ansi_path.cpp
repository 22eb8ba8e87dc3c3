#include "platform/ansi_path.h"

#include <windows.h>

#include <utility>

namespace platform {

namespace {

PathSpelling Spell(WideText path) {
    int wideLength = static_cast<int>(path.size());
    std::string ansi(path.size() * 3, '\0'); // room for three bytes a character, as in UTF-8
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, path.data(), wideLength, ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    WideText readBack(ansi.size());
    readBack.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                        readBack.data(), static_cast<int>(readBack.size())));
    return {std::move(path), ansi, readBack};
}

WideText ShortForm(const wchar_t* path) {
    wchar_t shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    return WideText(shortPath, shortPath + (length < MAX_PATH ? length : 0));
}

} // namespace

std::string AnsiPath(const wchar_t* path) {
    PathSpelling longForm = Spell(WideText(path, path + std::char_traits<wchar_t>::length(path)));
    // The file system is asked for the short form only where it is needed.
    return ChooseAnsiPath(longForm,
                          SpelledExactly(longForm) ? PathSpelling{} : Spell(ShortForm(path)));
}

} // namespace platform
