// How a started program's command line is written; kept apart from the Win32
// calls so that it can be tested anywhere.
#pragma once

#include <string>

namespace platform {

// The file in double quotes (unless it begins with one), then one blank and
// the parameters if there are any.
inline std::string CommandLine(const std::string& file, const std::string& parameters) {
    std::string line = !file.empty() && file[0] == '"' ? file : "\"" + file + "\"";
    return parameters.empty() ? line : line + " " + parameters;
}

} // namespace platform
