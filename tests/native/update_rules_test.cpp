#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "update/update_rules.h"

namespace {

TEST(OsVersionCode, NamesEveryWindowsAndChoosesTheRoute) {
    auto nt = [](unsigned major, unsigned minor, bool workstation = true, bool typeKnown = true) {
        return OsVersionCode({true, true, major, minor, typeKnown, workstation});
    };
    auto nine = [](unsigned minor) { return OsVersionCode({true, false, 4, minor, false, false}); };
    EXPECT_EQ(nt(3, 51), 5);
    EXPECT_EQ(nine(0), 10);
    EXPECT_EQ(nt(4, 0), 20);
    EXPECT_EQ(nine(10), 30);
    EXPECT_EQ(nine(90), 40);
    EXPECT_EQ(nt(5, 0), 50);
    EXPECT_EQ(nt(5, 1), 60);
    EXPECT_EQ(nt(5, 2), 65);
    EXPECT_EQ(nt(6, 0), 70);
    EXPECT_EQ(nt(6, 1, true, false), 70);
    EXPECT_EQ(nt(6, 0, false), 75);
    EXPECT_EQ(nt(10, 0), 100);
    EXPECT_EQ(nine(50), 100);
    EXPECT_EQ(OsVersionCode({false, true, 6, 0, true, true}), 100);
}

TEST(SwapScript, SevenLinesThatSwapRestartAndClearUp) {
    EXPECT_EQ(SwapScript("C:\\Programme\\Festmelder.exe", "C:\\Programme\\Festmelder.upd",
                         "C:\\Programme\\Festmelder.bat"),
              "@ECHO OFF\r\n"
              ":MARKE\r\n"
              "DEL \"C:\\Programme\\Festmelder.exe\"\r\n"
              "IF EXIST \"C:\\Programme\\Festmelder.exe\" GOTO MARKE\r\n"
              "REN \"C:\\Programme\\Festmelder.upd\" \"Festmelder.exe\"\r\n"
              "\"C:\\Programme\\Festmelder.exe\"\r\n"
              "DEL \"C:\\Programme\\Festmelder.bat\"\r\n");
}

TEST(SwapScript, PercentSignsAreDoubled) {
    std::string script = SwapScript("C:\\100%\\a.exe", "C:\\100%\\a.upd", "C:\\100%\\a.bat");
    EXPECT_NE(script.find("DEL \"C:\\100%%\\a.exe\"\r\n"), std::string::npos) << script;
    EXPECT_EQ(script.find("100%\\"), std::string::npos) << script;
}

TEST(CommandLine, QuotesTheFileOnceAndAddsParameters) {
    EXPECT_EQ(platform::CommandLine("C:\\A B\\x.exe", ""), "\"C:\\A B\\x.exe\"");
    EXPECT_EQ(platform::CommandLine("\"C:\\x.exe\"", "C:\\d.dat"), "\"C:\\x.exe\" C:\\d.dat");
}

} // namespace
