// The text of the About box.
#pragma once

#include <string>

std::string AboutText(const std::string& version, const std::string& copyright,
                      const std::string& homePageAddress);
