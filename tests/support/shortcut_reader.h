// Reads a shortcut file back through the shell, for tests on Windows.
#pragma once

#include <string>

// The shortcut's properties, one a line ("target ...", "arguments ...",
// "folder ...", "description ...", "show ...", "hot key ...", "icon file,index"),
// or "(none)" when the file cannot be loaded. COM must be initialised.
std::string ShortcutProperties(const std::string& path);
