#include "platform/printer.h"
#include "tests/fakes/fake_platform.h"

namespace fake {

bool PrinterChosen = false;
std::vector<std::vector<PrintOperation>> PrintedPages;
std::map<int, int> PrintFontHeights;

} // namespace fake

namespace platform {

int ChoosePrinter() { return fake::PrinterChosen; }
int StartPrintJob(const std::string&) { return 1; }
PageSize PrintablePageSize() { return {2479, 3508}; }
int ScreenDotsPerInch() { return 96; }
void CreatePrintFont(PrintFont font, int height) { fake::PrintFontHeights[font] = height; }
int PrintTextWidth(PrintFont, const std::string& text) {
    return static_cast<int>(text.size()) * 10;
}

int PrintPages(const std::vector<PrintPage>& pages) {
    fake::PrintedPages = pages;
    return 1;
}

} // namespace platform
