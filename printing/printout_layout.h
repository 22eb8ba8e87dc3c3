// The register printout laid out on paper: pages of drawing operations in
// printer pixels, on a nominal A4 page stretched onto the printable area.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "register/records.h"

// Nominal millimetres in printer pixels, rounded to the nearest integer with
// ties to even.
int MmToX(float mm, int pageWidth);
int MmToY(float mm, int pageHeight);

// A font's character height in printer pixels for a size taken as points on
// a screen of this many dots per inch.
int FontHeight(int sizeValue, int screenDpi);
// The size values of the two fonts.
int HeadingFontSize(int pageHeight);
int BodyFontSize(int pageHeight);

// The pages of the printout; an empty register gives one empty page.
// footerWidth measures a text in the body font.
std::vector<PrintPage> RegisterPrintout(const BirthdayList& list, const std::string& dataFilePath,
                                        int pageWidth, int pageHeight,
                                        const std::function<int(const std::string&)>& footerWidth);
