#include "register/data_file_format.h"

namespace {

struct LineReader {
    std::string_view bytes;
    std::size_t at = 0;

    bool AtEnd() const { return at >= bytes.size(); }

    // Reads up to the next line break and consumes it; at the end it gives "".
    std::string_view NextLine() {
        std::size_t end = bytes.find_first_of(std::string_view("\r\n\0", 3), at);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(at, end - at);
        at = end;
        if (at < bytes.size()) {
            bool crlf = bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n';
            at += crlf ? 2 : 1;
        }
        return line;
    }
};

} // namespace

BirthdayList ParseDataFile(std::string_view bytes) {
    BirthdayList list;
    LineReader reader{bytes};
    while (!reader.AtEnd()) {
        BirthdayRecord& record = AppendRecord(list);
        record.Name = reader.NextLine();
        record.Day = ParseDayOrMonth(reader.NextLine());
        record.Month = ParseDayOrMonth(reader.NextLine());
        record.Year = ParseYear(reader.NextLine());
    }
    return list;
}

static void AppendLine(std::string& bytes, std::string_view line) {
    bytes += line;
    bytes += "\r\n";
}

std::string FormatDataFile(const BirthdayList& list) {
    std::string bytes;
    for (const BirthdayRecord& record : list.Records) {
        AppendLine(bytes, record.Name);
        AppendLine(bytes, FormatNumber(record.Day));
        AppendLine(bytes, FormatNumber(record.Month));
        AppendLine(bytes, FormatNumber(record.Year));
    }
    return bytes;
}
