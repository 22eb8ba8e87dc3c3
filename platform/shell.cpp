#include "platform/shell.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

void OpenInShell(const std::string& address) {
    ShellExecuteA(nullptr, "open", address.c_str(), "", "", SW_SHOWNORMAL);
}

} // namespace platform
