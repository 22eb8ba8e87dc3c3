#include "update/program_file.h"

namespace {

constexpr std::int64_t kNewHeaderOffset = 0x3c;
constexpr std::int64_t kFileHeaderSize = 24; // the signature and the COFF header
constexpr std::int64_t kSectionHeaderSize = 40;
constexpr std::int64_t kMachineI386 = 0x14c, kMachineX8664 = 0x8664;
// Within the optional header, the same place in PE32 and PE32+.
constexpr std::int64_t kSubsystemOffset = 68;
constexpr std::int64_t kWindowsGuiSubsystem = 2;

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

int RunsOnThisWindows(std::string_view head, int program64Bit, int underWow64) {
    std::int64_t peHeader = PeHeaderAt(head);
    if (peHeader < 0) return 0;
    std::int64_t machine = NumberAt(head, peHeader + 4, 2);
    if (NumberAt(head, peHeader + 20, 2) < kSubsystemOffset + 2) return 0; // optional header size
    std::int64_t subsystem = NumberAt(head, peHeader + kFileHeaderSize + kSubsystemOffset, 2);
    bool windows64Bit = program64Bit || underWow64;
    return (machine == kMachineI386 || (machine == kMachineX8664 && windows64Bit)) &&
           subsystem == kWindowsGuiSubsystem;
}
