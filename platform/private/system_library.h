// Windows' own libraries that only some commands need. They are loaded when a
// command first needs them rather than through the import table, so that the
// program's start does not wait for them. Only platform/ includes this.
#pragma once

#include <windows.h>

#include <memory>

namespace platform {

struct LibraryFreer {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};
using OwnedLibrary = std::unique_ptr<HINSTANCE__, LibraryFreer>;

// Loads the library of that file name from the system folder, never a file of
// that name beside the program; empty when it cannot be loaded.
OwnedLibrary LoadSystemLibrary(const char* fileName);

// The library's function of that name as the given function pointer type, or
// nullptr when there is no library or no such function.
template <typename Function> Function FindFunction(HMODULE library, const char* name) {
    if (!library) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Sets function to the system library's function of that name; answers 1
// when it was found. The library, loaded by the first such call, stays loaded
// until the program ends: each call keeps the reference it takes.
template <typename Function>
int LoadFunction(Function& function, const char* fileName, const char* name) {
    function = FindFunction<Function>(LoadSystemLibrary(fileName).release(), name);
    return function ? 1 : 0;
}

} // namespace platform
