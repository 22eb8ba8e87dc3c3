#include <gtest/gtest.h>

#include "printing/printout.h"
#include "printing/printout_layout.h"
#include "register/data_file.h"
#include "tests/fakes/fake_platform.h"

namespace {

// A4 at 300 dots per inch, all of it printable.
constexpr int kWidth = 2479, kHeight = 3508;

BirthdayList RegisterOf(std::size_t count) {
    BirthdayList list;
    for (std::size_t i = 0; i < count; i++)
        AppendRecord(list) = {"Person " + FormatNumber(static_cast<std::int32_t>(i)), 7, 3, 1985};
    return list;
}

int TenPixelsPerCharacter(const std::string& text) { return static_cast<int>(text.size()) * 10; }

std::vector<PrintPage> Print(const BirthdayList& list, int width = kWidth, int height = kHeight) {
    return RegisterPrintout(list, "C:\\Programme\\Festmelder.dat", width, height,
                            TenPixelsPerCharacter);
}

std::vector<std::string> RecordLines(const PrintPage& page) {
    std::vector<std::string> lines;
    for (const PrintOperation& operation : page)
        if (operation.What == PrintOperation::DrawText && operation.Y >= MmToY(36, kHeight) &&
            operation.Y < MmToY(275, kHeight))
            lines.push_back(operation.Text);
    return lines;
}

std::string Footer(const PrintPage& page) {
    for (const PrintOperation& operation : page)
        if (operation.Y == MmToY(280, kHeight)) return operation.Text;
    return "(none)";
}

TEST(PrintoutMillimetres, RoundToTheNearestWithTiesToEven) {
    EXPECT_EQ(MmToX(15, kWidth), 177);    // 177.07
    EXPECT_EQ(MmToY(280, kHeight), 3307); // 3307.2
    EXPECT_EQ(MmToX(0.5f, 210), 0);       // 0.5: the even neighbour
    EXPECT_EQ(MmToX(1.5f, 210), 2);
    EXPECT_EQ(MmToY(2.5f, 297), 2);
    EXPECT_EQ(MmToY(3.5f, 297), 4);
}

TEST(PrintoutFonts, SizeValuesAreScreenPointsInPrinterPixels) {
    EXPECT_EQ(HeadingFontSize(kHeight), 41); // 41.3
    EXPECT_EQ(BodyFontSize(kHeight), 30);    // 29.5: the even neighbour
    EXPECT_EQ(FontHeight(41, 96), 55);       // 54.7
    EXPECT_EQ(FontHeight(30, 96), 40);
    EXPECT_EQ(FontHeight(41, 120), 68); // 68.3
    EXPECT_EQ(FontHeight(30, 120), 50);
}

TEST(PrintoutPages, SixtyRecordsToAPage) {
    std::vector<PrintPage> pages = Print(RegisterOf(60));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(RecordLines(pages[0]).size(), 60u);
    EXPECT_EQ(Footer(pages[0]), "Seite: 1 von 1");

    pages = Print(RegisterOf(61));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(RecordLines(pages[1]).size(), 1u);
    EXPECT_EQ(RecordLines(pages[1])[0].substr(0, 9), "Person 60");
    EXPECT_EQ(Footer(pages[0]), "Seite: 1 von 2");
    EXPECT_EQ(Footer(pages[1]), "Seite: 2 von 2");

    pages = Print(RegisterOf(120));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(RecordLines(pages[1]).size(), 60u);
    EXPECT_EQ(RecordLines(pages[1]).back().substr(0, 10), "Person 119");
}

TEST(PrintoutPages, AnEmptyRegisterGivesOneEmptyPage) {
    std::vector<PrintPage> pages = Print(RegisterOf(0));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].empty());
}

TEST(PrintoutPages, EachPageHasItsHeadingsRuleAndCentredFooter) {
    const PrintPage page = Print(RegisterOf(1))[0];
    ASSERT_EQ(page.size(), 6u);
    EXPECT_EQ(page[0].Text, "Geburtstagsliste: ");
    EXPECT_EQ(page[0].Font, HeadingFont);
    EXPECT_EQ(std::make_pair(page[0].X, page[0].Y), std::make_pair(177, 130));
    EXPECT_EQ(page[1].Text, "C:\\Programme\\Festmelder.dat");
    EXPECT_EQ(page[1].Y, MmToY(17, kHeight));
    EXPECT_EQ(page[2].Text, "Name" + std::string(44, ' ') + "Geburtsdatum");
    EXPECT_EQ(page[2].Text.find("Geburtsdatum"), 48u); // above the date column
    EXPECT_EQ(page[3].X, (kWidth - 140) / 2);
    EXPECT_EQ(page[4].What, PrintOperation::DrawLine);
    EXPECT_EQ(std::make_tuple(page[4].X, page[4].Y, page[4].ToX, page[4].ToY),
              std::make_tuple(177, 366, 2302, 366));
    EXPECT_EQ(page[5].Font, BodyFont);
}

TEST(PrintoutLines, NameColumnOfFortyFiveAndTheDateText) {
    BirthdayList list;
    AppendRecord(list) = {std::string(50, 'N'), 7, 3, 0};
    AppendRecord(list) = {"Ann", 7, 3, -5};
    std::vector<std::string> lines = RecordLines(Print(list)[0]);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(45, 'N') + "   07.03.0000");
    EXPECT_EQ(lines[1], "Ann" + std::string(42, ' ') + "   07.03.00-5");
    EXPECT_EQ(lines[1].size(), 58u);
}

TEST(PrintoutLines, LinesRunFrom36To272MillimetresInStepsOfFour) {
    const PrintPage page = Print(RegisterOf(60))[0];
    std::vector<int> ys;
    for (const PrintOperation& operation : page)
        if (operation.What == PrintOperation::DrawText && operation.Text.rfind("Person", 0) == 0)
            ys.push_back(operation.Y);
    ASSERT_EQ(ys.size(), 60u);
    EXPECT_EQ(ys.front(), MmToY(36, kHeight));
    EXPECT_EQ(ys[1], MmToY(40, kHeight));
    EXPECT_EQ(ys.back(), MmToY(272, kHeight));
}

TEST(PrintoutStretch, LetterAndFinerA4AreasScaleTheLayout) {
    const PrintPage letter = Print(RegisterOf(1), 2550, 3300)[0];
    EXPECT_EQ(letter[0].X, 182);    // 15/210 of 2550
    EXPECT_EQ(letter[0].Y, 122);    // 11/297 of 3300
    EXPECT_EQ(letter[4].ToX, 2368); // 195/210 of 2550
    const PrintPage a4At600Dpi = Print(RegisterOf(1), 4760, 6779)[0];
    EXPECT_EQ(a4At600Dpi[0].X, 340);
    EXPECT_EQ(a4At600Dpi[5].Y, MmToY(36, 6779));
}

} // namespace

namespace {

TEST(PrintRegisterCommand, PrintsTheRegisterOnTheChosenPrinterOnly) {
    Register = RegisterOf(61);
    DataFilePath = "C:\\Programme\\Festmelder.dat";
    fake::PrintedPages.clear();
    fake::PrinterChosen = false;
    PrintRegister();
    EXPECT_TRUE(fake::PrintedPages.empty());

    fake::PrinterChosen = true;
    PrintRegister();
    ASSERT_EQ(fake::PrintedPages.size(), 2u);
    EXPECT_EQ(fake::PrintedPages[0][1].Text, DataFilePath);
    EXPECT_EQ(fake::PrintFontHeights[HeadingFont], 55);
    EXPECT_EQ(fake::PrintFontHeights[BodyFont], 40);
}

} // namespace
