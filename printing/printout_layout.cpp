#include "printing/printout_layout.h"

#include <cmath>

namespace {

constexpr std::size_t kLinesPerPage = 60; // y 36, 40, ... 272: below 275
constexpr std::size_t kNameWidth = 45;
const char kColumnHeading[] = "Name                                            Geburtsdatum";

struct Page {
    int Width, Height;
    PrintPage Operations;

    void Text(PrintFont font, float x, float y, const std::string& text) {
        Operations.push_back(
            {PrintOperation::DrawText, font, MmToX(x, Width), MmToY(y, Height), 0, 0, text});
    }
    void Line(float x, float y, float toX, float toY) {
        Operations.push_back({PrintOperation::DrawLine, BodyFont, MmToX(x, Width), MmToY(y, Height),
                              MmToX(toX, Width), MmToY(toY, Height), ""});
    }
};

} // namespace

int MmToX(float mm, int pageWidth) {
    return static_cast<int>(std::nearbyint(mm * static_cast<float>(pageWidth) / 210.0f));
}

int MmToY(float mm, int pageHeight) {
    return static_cast<int>(std::nearbyint(mm * static_cast<float>(pageHeight) / 297.0f));
}

int FontHeight(int sizeValue, int screenDpi) {
    return static_cast<int>(std::lround(static_cast<double>(sizeValue) * screenDpi / 72.0));
}

int HeadingFontSize(int pageHeight) { return MmToY(3.5f, pageHeight); }

int BodyFontSize(int pageHeight) { return MmToY(2.5f, pageHeight); }

std::vector<PrintPage> RegisterPrintout(const BirthdayList& list, const std::string& dataFilePath,
                                        int pageWidth, int pageHeight,
                                        const std::function<int(const std::string&)>& footerWidth) {
    std::size_t records = RecordCount(list);
    std::size_t pages = (records + kLinesPerPage - 1) / kLinesPerPage;
    std::vector<PrintPage> printout;
    for (std::size_t page = 1; page <= pages; page++) {
        Page sheet{pageWidth, pageHeight, {}};
        sheet.Text(HeadingFont, 15, 11, "Geburtstagsliste: ");
        sheet.Text(BodyFont, 15, 17, dataFilePath);
        sheet.Text(BodyFont, 15, 24, kColumnHeading);
        std::string footer = "Seite: " + FormatNumber(static_cast<std::int32_t>(page)) + " von " +
                             FormatNumber(static_cast<std::int32_t>(pages));
        int centred = (pageWidth - footerWidth(footer)) / 2;
        sheet.Operations.push_back(
            {PrintOperation::DrawText, BodyFont, centred, MmToY(280, pageHeight), 0, 0, footer});
        sheet.Line(15, 31, 195, 31);
        std::size_t first = (page - 1) * kLinesPerPage;
        for (std::size_t line = 0; line < kLinesPerPage && first + line < records; line++)
            sheet.Text(BodyFont, 15, 36.0f + 4.0f * static_cast<float>(line),
                       FormatRecordLine(list.Records[first + line], kNameWidth));
        printout.push_back(sheet.Operations);
    }
    if (printout.empty()) printout.emplace_back(); // the job still holds one page
    return printout;
}
