// Installs, once per Wine prefix, a PostScript printer "TestPrinter" for A4
// whose jobs a shell command writes to the file named by PRINT_OUT in the
// printing program's environment, and makes it the default printer.
//   add_test_printer C:\path\to\a4.ppd
#include <windows.h>

#include <winspool.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: add_test_printer PPD-FILE\n");
        return 2;
    }
    wchar_t processor[] = L"wineps", processorFile[] = L"wineps.drv";
    AddPrintProcessorW(nullptr, nullptr, processorFile, processor);

    wchar_t name[] = L"TestPrinter", environment[] = L"Windows x64", driver[] = L"wineps.drv";
    wchar_t raw[] = L"RAW";
    DRIVER_INFO_3W driverInfo = {};
    driverInfo.cVersion = 3;
    driverInfo.pName = name;
    driverInfo.pEnvironment = environment;
    driverInfo.pDriverPath = driver;
    driverInfo.pDataFile = argv[1];
    driverInfo.pConfigFile = driver;
    driverInfo.pDefaultDataType = raw;
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driverInfo),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
        std::fprintf(stderr, "AddPrinterDriverEx failed: %lu\n", GetLastError());
        return 1;
    }

    // "winprint", not "wineps": with the latter EndDoc fails on RAW data.
    wchar_t port[] = L"|cat > \"$PRINT_OUT\"", winprint[] = L"winprint", empty[] = L"";
    PRINTER_INFO_2W printer = {};
    printer.pPrinterName = name;
    printer.pDriverName = name;
    printer.pPortName = port;
    printer.pPrintProcessor = winprint;
    printer.pDatatype = raw;
    printer.pParameters = printer.pShareName = printer.pSepFile = empty;
    printer.pComment = printer.pLocation = empty;
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    if (!added && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        std::fprintf(stderr, "AddPrinter failed: %lu\n", GetLastError());
        return 1;
    }
    if (added) ClosePrinter(added);
    return SetDefaultPrinterW(name) ? 0 : 1;
}
