// The bytes of "Festmelder.dat": four lines per record, each ending in CR LF.
#pragma once

#include <string>
#include <string_view>

#include "register/records.h"

// Reads records from the file's bytes. Nothing is rejected: a line ends at
// CR LF, a lone CR, a lone LF, a zero byte or the end, and every pass takes one
// record of four lines, so a short last record gets empty lines (zero values).
BirthdayList ParseDataFile(std::string_view bytes);

std::string FormatDataFile(const BirthdayList& list);
