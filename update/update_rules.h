// What the update decides without Windows: the route by Windows version and
// the swap script's text.
#pragma once

#include <string>

#include "platform/process.h"

// 5 NT 3.x, 10 95, 20 NT 4.0, 30 98, 40 Me, 50 2000, 60 XP, 65 Server 2003,
// 70 Vista, 75 Server 2008, 100 anything else. Below 50 the update swaps the
// program file through a batch script.
int OsVersionCode(const platform::WindowsVersion& version);

// The script that waits until the program has ended, puts the update in its
// place, starts it and deletes itself; seven lines, each ending in CR LF.
// A "%" in a path is doubled, as the command interpreter reads it otherwise.
std::string SwapScript(const std::string& programFile, const std::string& updateFile,
                       const std::string& scriptFile);
