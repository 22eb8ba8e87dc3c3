// Starting at log-on: a shortcut to the program in the user's Startup folder.
#pragma once

#include <string>

// A folder's path as shortcut paths are built on it: ending in exactly one
// backslash, or "" when the shell could not name the folder.
std::string WithTrailingBackslash(const std::string& folder);

// The Startup folder's path, ending in a backslash, or "" when the shell
// cannot name it.
std::string SpecialFolderPath(int folderId);

// Asks whether the program shall start at log-on and creates or deletes the
// shortcut; a beep tells of success, silence of failure.
void ConfigureAutostart();

// Carries out an answer to that question for a Startup folder ("" when the
// shell could not name it: then nothing is written or deleted anywhere).
void ApplyAutostartAnswer(int answer, const std::string& startupFolder);
