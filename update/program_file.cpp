#include "update/program_file.h"

namespace {

constexpr std::int64_t kNewHeaderOffset = 0x3c;
constexpr std::int64_t kFileHeaderSize = 24; // the signature and the COFF header
constexpr std::int64_t kSectionHeaderSize = 40;

} // namespace

std::int64_t NumberAt(std::string_view bytes, std::int64_t offset, int width) {
    if (offset < 0 || offset + width > static_cast<std::int64_t>(bytes.size())) return -1;
    std::int64_t value = 0;
    for (int i = width; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::int64_t PeHeaderAt(std::string_view head) {
    if (head.substr(0, 2) != "MZ") return -1;
    std::int64_t peHeader = NumberAt(head, kNewHeaderOffset, 4);
    return peHeader >= 0 && NumberAt(head, peHeader, 4) == 0x4550 ? peHeader : -1; // "PE\0\0"
}

int IsWholeProgramFile(std::string_view head, std::int64_t fileSize) {
    std::int64_t peHeader = PeHeaderAt(head);
    if (peHeader < 0) return 0;
    std::int64_t sections = NumberAt(head, peHeader + 6, 2);
    std::int64_t optionalHeaderSize = NumberAt(head, peHeader + 20, 2);
    if (sections <= 0 || optionalHeaderSize < 0) return 0;
    std::int64_t sectionTable = peHeader + kFileHeaderSize + optionalHeaderSize;
    for (std::int64_t section = 0; section < sections; ++section) {
        std::int64_t header = sectionTable + section * kSectionHeaderSize;
        std::int64_t size = NumberAt(head, header + 16, 4), offset = NumberAt(head, header + 20, 4);
        if (size < 0 || offset < 0 || offset + size > fileSize) return 0;
    }
    return 1;
}
