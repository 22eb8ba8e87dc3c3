#include "printing/printout.h"

#include "platform/printer.h"
#include "printing/printout_layout.h"
#include "register/data_file.h"

void PrintRegister() {
    if (!platform::ChoosePrinter() || !platform::StartPrintJob("Geburtstagsliste")) return;
    platform::PageSize page = platform::PrintablePageSize();
    int screenDpi = platform::ScreenDotsPerInch();
    platform::CreatePrintFont(HeadingFont, FontHeight(HeadingFontSize(page.Height), screenDpi));
    platform::CreatePrintFont(BodyFont, FontHeight(BodyFontSize(page.Height), screenDpi));
    auto footerWidth = [](const std::string& text) {
        return platform::PrintTextWidth(BodyFont, text);
    };
    platform::PrintPages(
        RegisterPrintout(Register, DataFilePath, page.Width, page.Height, footerWidth));
}
