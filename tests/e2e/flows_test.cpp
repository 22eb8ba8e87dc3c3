// The whole flows of closing, printing and the autostart setting.
#include "tests/e2e/driver.h"

#include <shlobj.h>
#include <winspool.h>

#include <cstdio>

namespace e2e {
namespace {

using Festmelder = Test;

// A save that fails at the end keeps the program open with the changes.
TEST_F(Festmelder, ClosingWithUnsavedChangesSavesThemFirst) {
    const std::string before = Record("Anna", 5, 3, 1987), blocker = "Festmelder.dat.new";
    ASSERT_TRUE(Start(before));
    ASSERT_TRUE(Do({{Tab, 1}, {Fill, "Carl|1|1|1970"}, Return}));
    ASSERT_TRUE(CreateDirectoryA((folder + blocker).c_str(), nullptr)); // in the new file's way
    ASSERT_TRUE(Do({Close}));
    EXPECT_EQ(Look().box, Boxes.unsaved);
    ASSERT_TRUE(Do({{Answer, IDYES}}));
    EXPECT_EQ(Look().box, Boxes.saveError);
    ASSERT_TRUE(Do({{Answer, IDOK}}));
    EXPECT_EQ(Look().toolbar, "ES-DI-H") << "still running, with the changes";
    EXPECT_EQ(File("Festmelder.dat"), before);
    ASSERT_TRUE(RemoveDirectoryA((folder + blocker).c_str()));
    ASSERT_TRUE(Do({Close, {Answer, IDYES}}));
    EXPECT_TRUE(Ended());
    EXPECT_EQ(File("Festmelder.dat"), before + Record("Carl", 1, 1, 1970));
}

// Wine's PostScript driver for A4, whose jobs Ghostscript turns into text.
const std::string Printout = FESTMELDER_E2E_RUNS "/printout.txt";
void InstallTextPrinter() {
    char name[] = "Festmelder Text", driver[] = "wineps.drv", raw[] = "RAW", none[] = "";
    char environment[] = "Windows x64", processor[] = "winprint"; // "wineps" fails on RAW
    std::string ppd = WindowsPath(FESTMELDER_E2E_PPD),
                port = "|gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- - | sed "
                       "'s/\\xc2\\xa0/ /g; s/\\xc2\\xad/-/g' | iconv -f UTF-8 -t CP1252 >'" +
                       Printout + "'";
    DRIVER_INFO_3A info = {3, name, environment, driver, ppd.data(), driver, none, none, none, raw};
    AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info),
                        APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY);
    PRINTER_INFO_2A printer = {};
    printer.pPrinterName = printer.pDriverName = name;
    printer.pPortName = port.data();
    printer.pPrintProcessor = processor;
    printer.pDatatype = raw;
    ClosePrinter(AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer)));
    SetDefaultPrinterA(name);
}

TEST_F(Festmelder, PrintsTheRegisterSixtyEntriesToAPage) {
    InstallTextPrinter();
    DeleteFileA(WindowsPath(Printout).c_str());
    std::string data, printed;
    Lines expected = {"Geburtstagsliste:", "", "Name" + std::string(44, ' ') + "Geburtsdatum"};
    for (int entry = 0; entry < 61; entry++) {
        std::string name = "Jürgen Weiß-Müller " + std::to_string(entry);
        data += Record(name, entry % 28 + 1, entry % 12 + 1, 1900 + entry);
        char line[80];
        std::snprintf(line, sizeof line, "%-45s   %02d.%02d.%d", name.c_str(), entry % 28 + 1,
                      entry % 12 + 1, 1900 + entry);
        if (entry == 60) expected.push_back("Seite: 1 von 2");
        expected.push_back(line);
    }
    expected.push_back("Seite: 2 von 2");
    ASSERT_TRUE(Start(data));
    expected[1] = folder + "Festmelder.dat";
    ASSERT_TRUE(Do({{Click, kPrint}, {Answer, IDOK}})); // OK in the print dialog
    ASSERT_TRUE(WaitUntil(
        [&] {
            return (printed = ReadFile(WindowsPath(Printout))).find(expected.back()) !=
                   std::string::npos;
        },
        "the printout", 10000));
    std::size_t at = 0;
    for (const std::string& line : expected)
        ASSERT_NE(at = printed.find(line, at), std::string::npos) << "not in this order: " << line;
}

TEST_F(Festmelder, AutostartWritesAndRemovesTheShortcutInTheStartupFolder) {
    char startup[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, startup, CSIDL_STARTUP, FALSE));
    std::string shortcut = startup + std::string("\\Festmelder.lnk");
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(Do({{Click, kSettings}}));
    EXPECT_EQ(Look().box, Boxes.autostart);
    ASSERT_TRUE(Do({{Answer, IDYES}}));
    // The target as the link file keeps it for a local drive.
    EXPECT_NE(ReadFile(shortcut).find(folder + "Festmelder.exe" + '\0'), std::string::npos);
    ASSERT_TRUE(Do({{Click, kSettings}, {Answer, IDNO}}));
    EXPECT_EQ(ReadFile(shortcut), "(none)");
}

} // namespace
} // namespace e2e
