// A Wine-only PostScript printer for A4 whose jobs go into a file.
#pragma once

#include <string>

namespace festmelder {

// Installs "TestPrinter" with the given PPD file (a Windows path) and makes it
// the default printer. Its port is a shell command that writes each job to
// the file named by PRINT_OUT in the printing program's environment.
bool InstallTestPrinter(const std::string& ppdFile);

} // namespace festmelder
