// Printing: the print dialog, one job of pages, fonts, text and lines.
#pragma once

#include <string>
#include <vector>

// A printout: pages of drawing operations in printer pixels, in two fonts.
enum PrintFont { HeadingFont, BodyFont };

struct PrintOperation {
    enum Kind { DrawText, DrawLine } What;
    PrintFont Font; // for text
    int X, Y;       // a text's top-left corner, or a line's start
    int ToX, ToY;   // a line's end, drawn too
    std::string Text;
};

using PrintPage = std::vector<PrintOperation>;

namespace platform {

// Shows the print dialog, owned by the program's foreground window; answers 1
// when the user chose a printer. The printer stays chosen until the next call.
int ChoosePrinter();

// Starts a job and its first page on the chosen printer.
int StartPrintJob(const std::string& documentName);

struct PageSize {
    int Width, Height; // of the printable area, in printer pixels
};
PageSize PrintablePageSize();

int ScreenDotsPerInch();

// Creates the job's bold "Courier New" in this character height.
void CreatePrintFont(PrintFont font, int height);
int PrintTextWidth(PrintFont font, const std::string& text);

// Draws the pages, each after the one before, ends the job and releases its
// fonts. A page or the job that fails to end aborts the job; answers 0 then.
int PrintPages(const std::vector<PrintPage>& pages);

} // namespace platform
