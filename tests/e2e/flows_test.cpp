// The whole flows of closing, printing and the autostart setting.
#include "tests/e2e/driver.h"

#include <shlobj.h>
#include <winspool.h>

namespace e2e {

// A save that fails at the end keeps the program open with the changes.
TEST_F(Festmelder, ClosingWithUnsavedChangesSavesThemFirst) {
    const std::string before = Record("Anna", 5, 3, 1987);
    ASSERT_TRUE(Start(before));
    ASSERT_TRUE(Do({{Tab, 1}, {Fill, "Carl|1|1|1970"}, Return}));
    ASSERT_TRUE(CreateDirectoryA((folder + "Festmelder.dat.new").c_str(), nullptr)); // in the way
    ASSERT_TRUE(Do({Close}));
    EXPECT_EQ(Look().box, Boxes.unsaved);
    ASSERT_TRUE(Do({{Answer, IDYES}}));
    EXPECT_EQ(Look().box, Boxes.saveError);
    ASSERT_TRUE(Do({{Answer, IDOK}}));
    EXPECT_EQ(Look().toolbar, "ES-DI-H") << "still running, with the changes";
    EXPECT_EQ(File("Festmelder.dat"), before);
    ASSERT_TRUE(RemoveDirectoryA((folder + "Festmelder.dat.new").c_str()));
    ASSERT_TRUE(Do({Close, {Answer, IDYES}}));
    EXPECT_TRUE(Ended());
    EXPECT_EQ(File("Festmelder.dat"), before + Record("Carl", 1, 1, 1970));
}

// Through Wine's PostScript driver for A4 into Ghostscript, which makes text of it.
TEST_F(Festmelder, PrintsTheRegisterSixtyEntriesToAPage) {
    char name[] = "Festmelder Text", driver[] = "wineps.drv", raw[] = "RAW", none[] = "";
    char ppd[] = FESTMELDER_E2E_PPD, processor[] = "winprint";
    std::string port = "|gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- - | sed "
                       "'s/\\xc2\\xa0/ /g; s/\\xc2\\xad/-/g' | iconv -f UTF-8 -t CP1252 "
                       ">" FESTMELDER_E2E_PRINTOUT;
    // No environment: that of the Wine it runs under, 64- or 32-bit.
    DRIVER_INFO_3A info = {3, name, nullptr, driver, ppd, driver, none, none, none, raw};
    AddPrinterDriverExA(nullptr, 3, LPBYTE(&info), APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY);
    PRINTER_INFO_2A printer = {};
    printer.pPrinterName = printer.pDriverName = name;
    printer.pPortName = port.data();
    printer.pPrintProcessor = processor; // "wineps" fails on RAW data
    printer.pDatatype = raw;
    ClosePrinter(AddPrinterA(nullptr, 2, LPBYTE(&printer)));
    SetDefaultPrinterA(name);
    DeleteFileA("Z:" FESTMELDER_E2E_PRINTOUT);

    std::string data, printed;
    Lines expected = {"Geburtstagsliste:", "", "Name" + std::string(44, ' ') + "Geburtsdatum"};
    for (int entry = 0; entry < 61; entry++) {
        std::string person = "Jürgen Weiß-Müller " + std::to_string(entry),
                    year = std::to_string(1900 + entry);
        data += person + "\r\n24\r\n12\r\n" + year + "\r\n";
        if (entry == 60) expected.push_back("Seite: 1 von 2");
        expected.push_back((person + std::string(48, ' ')).substr(0, 48) + "24.12." + year);
    }
    expected.push_back("Seite: 2 von 2");
    ASSERT_TRUE(Start(data));
    expected[1] = folder + "Festmelder.dat";
    ASSERT_TRUE(Do({{Click, kPrint}, {Answer, IDOK}})); // OK in the print dialog
    auto done = [&] {
        return (printed = ReadFile("Z:" FESTMELDER_E2E_PRINTOUT)).find(expected.back());
    };
    ASSERT_TRUE(WaitUntil([&] { return done() != std::string::npos; }, "the printout", 10000));
    std::size_t at = 0;
    for (const std::string& line : expected)
        ASSERT_NE(at = printed.find(line, at), std::string::npos) << "not in this order: " << line;
}

// In a folder whose name cp1252 cannot spell, which the program reaches by its short name.
TEST_F(Festmelder, AutostartWritesAndRemovesTheShortcutInTheStartupFolder) {
    char startup[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, startup, CSIDL_STARTUP, FALSE));
    std::string shortcut = startup + std::string("\\Festmelder.lnk");
    const std::string three =
        Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0) + Record("Carl", 1, 1, 1970);
    ASSERT_TRUE(Start(three, FESTMELDER_PROGRAM, nullptr, L"\u0141ukasz F\u0151nix"));
    ASSERT_TRUE(Do({{Tab, 1}, {Fill, "Eva|2|2|1999"}, Return, {Click, kSave}, {Click, kSettings}}));
    EXPECT_EQ(File("Festmelder.dat"), three + Record("Eva", 2, 2, 1999)) << "read, then saved";
    EXPECT_EQ(Look().box, Boxes.autostart);
    ASSERT_TRUE(Do({{Answer, IDYES}, Close}) && Ended());
    ShellExecuteA(nullptr, "open", shortcut.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ASSERT_TRUE(Restarted()) << "started by the shortcut";
    EXPECT_EQ(Look().entries.size(), 4u);
    ASSERT_TRUE(Do({{Click, kSettings}, {Answer, IDNO}}));
    EXPECT_EQ(ReadFile(shortcut), "(none)");
}

} // namespace e2e
