#include "update/authenticode.h"

#include "update/program_file.h"

namespace {

constexpr std::int64_t kOptionalHeader = 24; // after the signature and the COFF header
// In the optional header: the checksum, the number of data directories and
// the directories, the last two 16 bytes further on in a PE32+ file.
constexpr std::int64_t kChecksum = 64, kDirectoryCount = 92, kDirectories = 96;
constexpr std::int64_t kCertificateEntry = 4; // the data directory of the certificate table
constexpr int kSequence = 0x30, kOctetString = 0x04, kExplicitFirst = 0xa0;

// One DER element; Tag -1 for none.
struct Element {
    int Tag = -1;
    std::string_view Whole, Contents;
};

// The element that bytes begin with, if it fits in them; definite lengths of
// up to four bytes only, as DER writes them.
Element ReadElement(std::string_view bytes) {
    if (bytes.size() < 2) return {};
    std::size_t length = static_cast<unsigned char>(bytes[1]), header = 2;
    if (length == 0x80 || length > 0x84) return {};
    if (length > 0x80) {
        header += length - 0x80;
        if (bytes.size() < header) return {};
        length = 0;
        for (std::size_t at = 2; at < header; ++at)
            length = length << 8 | static_cast<unsigned char>(bytes[at]);
    }
    if (length > bytes.size() - header) return {};
    return {static_cast<unsigned char>(bytes[0]), bytes.substr(0, header + length),
            bytes.substr(header, length)};
}

// The parent's index-th inner element, if it carries the tag.
Element Inside(const Element& parent, int index, int tag) {
    std::string_view rest = parent.Contents;
    Element child = ReadElement(rest);
    for (; index > 0 && child.Tag >= 0; --index) {
        rest.remove_prefix(child.Whole.size());
        child = ReadElement(rest);
    }
    return child.Tag == tag ? child : Element{};
}

// The signed message in the first WIN_CERTIFICATE of the table, which must be
// of revision 2.0 and type PKCS_SIGNED_DATA; "" when there is none.
std::string_view SignedMessage(std::string_view table) {
    std::int64_t length = NumberAt(table, 0, 4);
    if (length < 8 || length > static_cast<std::int64_t>(table.size()) ||
        NumberAt(table, 4, 2) != 0x0200 || NumberAt(table, 6, 2) != 0x0002)
        return "";
    Element message = ReadElement(table.substr(8, length - 8));
    return message.Tag == kSequence ? message.Whole : "";
}

} // namespace

int ReadAuthenticodeLayout(std::string_view file, AuthenticodeLayout& layout) {
    std::int64_t peHeader = PeHeaderAt(file), fileSize = static_cast<std::int64_t>(file.size());
    if (peHeader < 0) return 0;
    std::int64_t optional = peHeader + kOptionalHeader;
    std::int64_t magic = NumberAt(file, optional, 2), plus = magic == 0x20b ? 16 : 0;
    std::int64_t checksum = optional + kChecksum,
                 entry = optional + kDirectories + plus + kCertificateEntry * 8;
    if ((magic != 0x10b && magic != 0x20b) ||
        NumberAt(file, optional + kDirectoryCount + plus, 4) <= kCertificateEntry ||
        entry + 8 > optional + NumberAt(file, peHeader + 20, 2))
        return 0;
    std::int64_t table = NumberAt(file, entry, 4), size = NumberAt(file, entry + 4, 4);
    if (table == 0 && size == 0) {
        layout.Signature = "";
        table = fileSize;
    } else {
        if (table < entry + 8 || table + size > fileSize) return 0;
        layout.Signature = SignedMessage(file.substr(table, size));
        if (layout.Signature.empty()) return 0;
    }
    layout.Digested = {
        {0, checksum}, {checksum + 4, entry - checksum - 4}, {entry + 8, table - entry - 8}};
    if (table + size < fileSize) layout.Digested.push_back({table + size, fileSize - table - size});
    return 1;
}

int FindSignedContent(std::string_view signature, SignedContent& content) {
    Element message = ReadElement(signature);
    Element signedData = Inside(Inside(message, 1, kExplicitFirst), 0, kSequence);
    Element indirectData =
        Inside(Inside(Inside(signedData, 2, kSequence), 1, kExplicitFirst), 0, kSequence);
    Element fileDigest = Inside(Inside(indirectData, 1, kSequence), 1, kOctetString);
    if (fileDigest.Tag < 0) return 0;
    content = {indirectData.Contents, fileDigest.Contents};
    return 1;
}

std::string_view DerContents(std::string_view bytes) { return ReadElement(bytes).Contents; }
