// Arbitrary bytes as a data file: reading never fails, and what is read is written so that
// reading and writing it again gives the same bytes.
#include <cstdint>
#include <cstdlib>

#include "register/data_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string written =
        FormatDataFile(ParseDataFile(std::string_view(reinterpret_cast<const char*>(data), size)));
    if (FormatDataFile(ParseDataFile(written)) != written) std::abort();
    return 0;
}
