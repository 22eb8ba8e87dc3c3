// The shell's actions on files and addresses.
#pragma once

#include <string>

namespace platform {

// Carries out the verb "open" on the address, so that the user's web browser
// opens it. Failures are not reported.
void OpenInShell(const std::string& address);

} // namespace platform
