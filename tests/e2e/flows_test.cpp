// The whole flows of printing, and of the autostart setting with closing.
#include "tests/e2e/driver.h"

#include <shlobj.h>
#include <winspool.h>

namespace e2e {

// Through Wine's PostScript driver for A4 into Ghostscript, which makes text of it.
TEST_F(Festmelder, PrintsTheRegisterSixtyEntriesToAPage) {
    char name[] = "Festmelder Text", driver[] = "wineps.drv", raw[] = "RAW", none[] = "";
    char ppd[] = FESTMELDER_E2E_PPD, processor[] = "winprint"; // "wineps" fails on RAW data
    std::string port = "|gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- - | sed "
                       "'s/\\xc2\\xa0/ /g; s/\\xc2\\xad/-/g' | iconv -f UTF-8 -t CP1252 "
                       ">" FESTMELDER_E2E_PRINTOUT;
    // No environment: that of the Wine it runs under, 64- or 32-bit.
    DRIVER_INFO_3A info = {3, name, nullptr, driver, ppd, driver, none, none, none, raw};
    AddPrinterDriverExA(nullptr, 3, LPBYTE(&info), APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY);
    PRINTER_INFO_2A printer = {};
    printer.pPrinterName = printer.pDriverName = name;
    printer.pPortName = port.data();
    printer.pPrintProcessor = processor;
    printer.pDatatype = raw;
    ClosePrinter(AddPrinterA(nullptr, 2, LPBYTE(&printer)));
    SetDefaultPrinterA(name);
    DeleteFileA("Z:" FESTMELDER_E2E_PRINTOUT);
    std::string data;
    for (int entry = 0; entry < 61; entry++)
        data += Record("Jürgen Weiß-Müller " + std::to_string(entry), 24, 12, 1900 + entry);
    ASSERT_TRUE(Start(data));
    const Lines expected = {"Geburtstagsliste:",
                            folder + "Festmelder.dat",
                            "Name" + std::string(44, ' ') + "Geburtsdatum",
                            "Jürgen Weiß-Müller 0" + std::string(28, ' ') + "24.12.1900",
                            "Seite: 1 von 2",
                            "Jürgen Weiß-Müller 60",
                            "Seite: 2 von 2"};
    ASSERT_TRUE(Do({Click(kPrint), Answer(IDOK)})); // OK in the print dialog
    std::string printed;
    ASSERT_TRUE(WaitUntil(
        [&] {
            printed = WholeFile("Z:" FESTMELDER_E2E_PRINTOUT);
            return printed.find(expected.back()) != std::string::npos;
        },
        "the printout", 10000));
    std::size_t at = 0;
    for (const std::string& line : expected)
        ASSERT_NE(at = printed.find(line, at), std::string::npos) << "not in this order: " << line;
}

// In a folder whose name cp1252 cannot spell, which the program reaches by its
// short name. Closing with unsaved changes saves them first, when asked to.
TEST_F(Festmelder, AutostartWritesAndRemovesTheShortcutInTheStartupFolder) {
    char startup[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, startup, CSIDL_STARTUP, FALSE));
    std::string shortcut = startup + std::string("\\Festmelder.lnk");
    const std::string before = Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0);
    ASSERT_TRUE(Start(before, FESTMELDER_PROGRAM, nullptr, L"\u0141ukasz F\u0151nix"));
    ASSERT_TRUE(Do({Tab(1), Fill("Eva|2|2|1999"), Key(VK_RETURN), Click(kSettings)}));
    ASSERT_TRUE(Do({Answer(IDYES, Boxes.autostart), Close(), Answer(IDYES, Boxes.unsaved)}));
    ASSERT_TRUE(Ended());
    EXPECT_EQ(File("Festmelder.dat"), before + Record("Eva", 2, 2, 1999)) << "read, then saved";
    ShellExecuteA(nullptr, "open", shortcut.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ASSERT_TRUE(Restarted()) << "started by the shortcut";
    EXPECT_EQ(Look().entries.size(), 3u);
    ASSERT_TRUE(Do({Click(kSettings), Answer(IDNO)}));
    EXPECT_EQ(WholeFile(shortcut), "(none)");
}

} // namespace e2e
