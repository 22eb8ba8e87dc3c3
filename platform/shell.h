// The shell: its special folders, shortcuts and actions on addresses.
#pragma once

#include <string>

namespace platform {

constexpr int kStartupFolder = 7; // the current user's Startup program group

// The file-system path of a special folder, as the shell gives it, in the
// ANSI code page (see AnsiPath), or "".
std::string ShellFolderPath(int folderId);

// What a shortcut file holds.
struct ShellLink {
    std::string Target;
    std::string Arguments;
    std::string WorkingDirectory;
    std::string Description;
    int ShowCommand;
    int HotKey;
    std::string IconFile;
    int IconIndex;
};

// Writes the shortcut file, replacing one of that name. Answers 1 when the
// file was saved.
int CreateShellLink(const ShellLink& link, const std::string& linkPath);

// Carries out the verb "open" on the address, so that the user's web browser
// opens it. Failures are not reported.
void OpenInShell(const std::string& address);

} // namespace platform
