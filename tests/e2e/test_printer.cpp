#include "tests/e2e/test_printer.h"

#include <windows.h>

#include <winspool.h>

#include <vector>

namespace festmelder {

namespace {

// The printing functions want writable wide strings.
std::vector<wchar_t> Wide(const std::string& text) {
    std::vector<wchar_t> wide(text.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

} // namespace

bool InstallTestPrinter(const std::string& ppdFile) {
    auto name = Wide("TestPrinter"), driver = Wide("wineps.drv"), raw = Wide("RAW");
    auto environment = Wide("Windows x64"), ppd = Wide(ppdFile), wineps = Wide("wineps");
    AddPrintProcessorW(nullptr, nullptr, driver.data(), wineps.data());

    DRIVER_INFO_3W driverInfo = {};
    driverInfo.cVersion = 3;
    driverInfo.pName = name.data();
    driverInfo.pEnvironment = environment.data();
    driverInfo.pDriverPath = driver.data();
    driverInfo.pDataFile = ppd.data();
    driverInfo.pConfigFile = driver.data();
    driverInfo.pDefaultDataType = raw.data();
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driverInfo),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
        return false;

    // "winprint", not "wineps": with the latter EndDoc fails on RAW data.
    auto port = Wide("|cat > \"$PRINT_OUT\""), winprint = Wide("winprint"), empty = Wide("");
    PRINTER_INFO_2W printer = {};
    printer.pPrinterName = name.data();
    printer.pDriverName = name.data();
    printer.pPortName = port.data();
    printer.pPrintProcessor = winprint.data();
    printer.pDatatype = raw.data();
    printer.pParameters = printer.pShareName = printer.pSepFile = empty.data();
    printer.pComment = printer.pLocation = empty.data();
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    if (added) ClosePrinter(added);
    else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) return false;
    return SetDefaultPrinterW(name.data()) != FALSE;
}

} // namespace festmelder
