#include "platform/printer.h"

#include <windows.h>

#include <commdlg.h>

#include "platform/private/system_library.h"
#include "platform/private/window_layer.h"

namespace platform {

namespace {

HDC Printer = nullptr;
HFONT Fonts[2] = {};

void ReleasePrintFonts() {
    for (HFONT& font : Fonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
}

void Draw(const PrintOperation& operation) {
    if (operation.What == PrintOperation::DrawLine) {
        MoveToEx(Printer, operation.X, operation.Y, nullptr);
        LineTo(Printer, operation.ToX, operation.ToY);
        SetPixelV(Printer, operation.ToX, operation.ToY, RGB(0, 0, 0)); // LineTo leaves it out
        return;
    }
    SelectObject(Printer, Fonts[operation.Font]);
    TextOutA(Printer, operation.X, operation.Y, operation.Text.data(),
             static_cast<int>(operation.Text.size()));
}

int DrawPages(const std::vector<PrintPage>& pages) {
    SetTextAlign(Printer, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextColor(Printer, RGB(0, 0, 0));
    SelectObject(Printer, GetStockObject(BLACK_PEN));
    for (std::size_t page = 0; page < pages.size(); page++) {
        if (page > 0 && StartPage(Printer) <= 0) return 0;
        for (const PrintOperation& operation : pages[page]) Draw(operation);
        if (EndPage(Printer) <= 0) return 0;
    }
    return EndDoc(Printer) > 0;
}

} // namespace

int ChoosePrinter() {
    if (Printer) DeleteDC(Printer);
    Printer = nullptr;
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_layer::ProgramForegroundWindow();
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    dialog.nFromPage = 1;
    dialog.nToPage = 65535;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 65535;
    decltype(&PrintDlgA) printDialog = nullptr;
    BOOL chosen = LoadFunction(printDialog, "comdlg32.dll", "PrintDlgA") && printDialog(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    Printer = chosen ? dialog.hDC : nullptr;
    return Printer ? 1 : 0;
}

int StartPrintJob(const std::string& documentName) {
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    if (StartDocA(Printer, &document) <= 0) return 0;
    if (StartPage(Printer) > 0) return 1;
    AbortDoc(Printer);
    return 0;
}

PageSize PrintablePageSize() {
    return {GetDeviceCaps(Printer, HORZRES), GetDeviceCaps(Printer, VERTRES)};
}

int ScreenDotsPerInch() {
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    DeleteDC(screen);
    return dotsPerInch;
}

void CreatePrintFont(PrintFont font, int height) {
    Fonts[font] = CreateFontA(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, "Courier New");
}

int PrintTextWidth(PrintFont font, const std::string& text) {
    HGDIOBJ previous = SelectObject(Printer, Fonts[font]);
    SIZE size = {};
    GetTextExtentPoint32A(Printer, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(Printer, previous);
    return size.cx;
}

int PrintPages(const std::vector<PrintPage>& pages) {
    int printed = DrawPages(pages);
    if (!printed) AbortDoc(Printer);
    SelectObject(Printer, GetStockObject(SYSTEM_FONT));
    ReleasePrintFonts();
    return printed;
}

} // namespace platform
