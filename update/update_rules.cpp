#include "update/update_rules.h"

int OsVersionCode(const platform::WindowsVersion& version) {
    if (!version.Known) return 100;
    if (!version.NtFamily) {
        if (version.Minor == 0) return 10;
        if (version.Minor == 10) return 30;
        if (version.Minor == 90) return 40;
        return 100;
    }
    if (version.Major == 3) return 5;
    if (version.Major == 4) return 20;
    if (version.Major == 5) {
        if (version.Minor == 0) return 50;
        if (version.Minor == 1) return 60;
        if (version.Minor == 2) return 65;
        return 100;
    }
    if (version.Major == 6) return !version.ProductTypeKnown || version.Workstation ? 70 : 75;
    return 100;
}

static std::string Quoted(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) quoted += c == '%' ? std::string("%%") : std::string(1, c);
    return quoted + "\"";
}

std::string SwapScript(const std::string& programFile, const std::string& updateFile,
                       const std::string& scriptFile) {
    std::string fileName = programFile.substr(programFile.find_last_of("\\/") + 1);
    return "@ECHO OFF\r\n"
           ":MARKE\r\n"
           "DEL " +
           Quoted(programFile) +
           "\r\n"
           "IF EXIST " +
           Quoted(programFile) +
           " GOTO MARKE\r\n"
           "REN " +
           Quoted(updateFile) + " " + Quoted(fileName) + "\r\n" + Quoted(programFile) +
           "\r\n"
           "DEL " +
           Quoted(scriptFile) + "\r\n";
}
