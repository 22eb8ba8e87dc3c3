// Arbitrary bytes as a data file: reading never fails, and what is read
// survives writing and reading again unchanged.
#include <cstdint>
#include <cstdlib>

#include "register/data_file_format.h"

static bool SameRecords(const BirthdayList& left, const BirthdayList& right) {
    if (RecordCount(left) != RecordCount(right)) return false;
    for (std::size_t i = 0; i < RecordCount(left); i++) {
        const BirthdayRecord& a = left.Records[i];
        const BirthdayRecord& b = right.Records[i];
        if (a.Name != b.Name || a.Day != b.Day || a.Month != b.Month || a.Year != b.Year)
            return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BirthdayList read = ParseDataFile(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string written = FormatDataFile(read);
    BirthdayList readAgain = ParseDataFile(written);
    if (!SameRecords(read, readAgain) || FormatDataFile(readAgain) != written) std::abort();
    return 0;
}
