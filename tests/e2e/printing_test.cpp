// "Drucken" through a real print path: Wine's PostScript driver writes the
// job into a file, which check-printout then reads back as text and compares
// with what this test expects, line for line, and renders for looking at.
#include <fstream>
#include <iterator>

#include "tests/e2e/festmelder_test.h"
#include "tests/e2e/test_printer.h"

namespace festmelder {
namespace {

std::string PrintFolder() {
    const char* folder = std::getenv("FESTMELDER_PRINT_FOLDER");
    return folder ? folder : "/tmp";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at++) count++;
    return count;
}

const char* const Names[] = {"J\xFCrgen M\xFCller", "\xC4nne Wei\xDF", "Zo\xEB Sch\xF6n",
                             "Bj\xF6rn \xD6hlund"};

// 61 people, so that the last one goes onto a second page.
std::string SixtyOneRecords() {
    std::string bytes;
    for (int i = 0; i < 61; i++)
        bytes += Record(std::string(Names[i % 4]) + " " + std::to_string(100 + i), 1 + i % 28,
                        1 + i % 12, i == 60 ? 0 : 1920 + i);
    return bytes;
}

std::string PrintedLine(const std::string& name, int day, int month, int year) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", day, month, year);
    std::string column = name.substr(0, 45);
    column.resize(45, ' ');
    return column + "   " + date;
}

class Printing : public FestmelderTest {
  protected:
    std::string job; // Unix path, as the printer's command writes it

    static void SetUpTestSuite() {
        const char* ppd = std::getenv("FESTMELDER_TEST_PPD");
        ASSERT_TRUE(ppd && InstallTestPrinter(ui::WindowsPath(ppd))) << "the test printer";
    }
    void SetUp() override {
        // The printer's command runs with the Unix environment of the whole
        // run, so every job goes to the one file PRINT_OUT names.
        const char* printOut = std::getenv("PRINT_OUT");
        job = printOut ? printOut : "/tmp/festmelder-job.ps";
        DeleteFileA(ui::WindowsPath(job).c_str());
    }

    testing::AssertionResult ChoosePrinter(int button) {
        testing::AssertionResult clicked = Click(kPrint);
        if (!clicked) return clicked;
        ui::MessageBoxInfo dialog;
        testing::AssertionResult shown = ui::WaitForMessageBox(app, dialog);
        if (!shown) return shown << " (the print dialog)";
        if (dialog.title != "Print" && dialog.title != "Drucken")
            return testing::AssertionFailure() << "expected the print dialog, got " << dialog.title;
        if (dialog.owner != app.window)
            return testing::AssertionFailure() << "the print dialog is not owned by the window";
        return ui::AnswerMessageBox(dialog, button);
    }
};

TEST_F(Printing, SixtyOneRecordsPrintOnTwoPages) {
    ASSERT_TRUE(Start(SixtyOneRecords()));
    ASSERT_TRUE(ChoosePrinter(IDOK));
    std::string postScript;
    ASSERT_TRUE(ui::WaitUntil(
        [&] {
            return (postScript = ReadFile(ui::WindowsPath(job))).find("%%EOF") != std::string::npos;
        },
        "the print job in " + job, 10000));
    EXPECT_EQ(Count(postScript, "\n%%Page:"), 2u);
    EXPECT_NE(postScript.find("Geburtstagsliste"), std::string::npos) << "the job's name";

    // The job, and what check-printout must find in its text, in this order.
    std::string kept = PrintFolder() + "/two-pages.ps";
    ASSERT_TRUE(CopyFileA(ui::WindowsPath(job).c_str(), ui::WindowsPath(kept).c_str(), FALSE));
    std::ofstream expected(ui::WindowsPath(kept + ".expected"), std::ios::binary);
    expected << "Geburtstagsliste:\n"
             << app.folder << "Festmelder.dat\n"
             << "Name" << std::string(44, ' ') << "Geburtsdatum\n";
    for (int i = 0; i < 61; i++) {
        expected << PrintedLine(std::string(Names[i % 4]) + " " + std::to_string(100 + i),
                                1 + i % 28, 1 + i % 12, i == 60 ? 0 : 1920 + i)
                 << "\n";
        if (i == 59) expected << "Seite: 1 von 2\n";
    }
    expected << "Seite: 2 von 2\n";
}

TEST_F(Printing, CancelInTheDialogPrintsNothing) {
    ASSERT_TRUE(Start(SixtyOneRecords()));
    ASSERT_TRUE(ChoosePrinter(IDCANCEL));
    Sleep(500); // a job would have been written by now
    EXPECT_EQ(GetFileAttributesA(ui::WindowsPath(job).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Enabled(kPrint));
}

} // namespace
} // namespace festmelder
