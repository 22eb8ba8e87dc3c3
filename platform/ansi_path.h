// Paths that Windows names in UTF-16, for the program's ANSI functions. The
// choice of spelling is kept apart from the Win32 calls so that it can be
// tested anywhere.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The ANSI file functions take paths shorter than this.
constexpr std::size_t kAnsiPathLimit = 260;

// UTF-16 text as the system gives it. A vector rather than std::wstring, whose
// library code would add some 35 KB to a program that needs none of it.
using WideText = std::vector<wchar_t>;

// One form of a path: as the system names it, its text in the ANSI code page,
// and that text read back from the code page.
struct PathSpelling {
    WideText Wide;
    std::string Ansi;
    WideText ReadBack;
};

// A character the code page lacks becomes a look-alike or "?" in the ANSI
// text, which then names another file or none: only a text that reads back as
// the path itself names it.
inline bool SpelledExactly(const PathSpelling& path) {
    return path.ReadBack == path.Wide && path.Ansi.size() < kAnsiPathLimit;
}

// The long form where the code page spells it (byte for byte what the ANSI
// functions give), else the short form where that one is spelled exactly
// (plain ASCII wherever the volume keeps short names), else "": no ANSI text
// names the path.
inline std::string ChooseAnsiPath(const PathSpelling& longForm, const PathSpelling& shortForm) {
    if (SpelledExactly(longForm)) return longForm.Ansi;
    return SpelledExactly(shortForm) ? shortForm.Ansi : "";
}

// The ANSI path that names this zero-terminated path, or "" (in ansi_path.cpp,
// on Windows).
std::string AnsiPath(const wchar_t* path);

} // namespace platform
