#include "autostart/autostart.h"

std::string WithTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\') return folder;
    return folder + "\\";
}
