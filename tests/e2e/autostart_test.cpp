// "Einstellungen": the shortcut in the Startup folder, read back through the
// shell, and the beep that acknowledges success, counted in Wine's trace of
// the program's calls.
#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "tests/e2e/festmelder_test.h"
#include "tests/support/shortcut_reader.h"

namespace festmelder {
namespace {

const BoxLooks SettingsBox = {"Einstellungen",
                              "Austostart Einstellungen f\xFCr Festmelder:\t\r\n\r\n"
                              "Aktivieren mit:\tJa\r\nDeaktivieren mit:\tNein",
                              {IDYES, IDNO, IDCANCEL},
                              "exclamation"};

std::string StartupShortcut() {
    char folder[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE);
    return std::string(folder) + "\\Festmelder.lnk";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadShortcut() { return ShortcutProperties(StartupShortcut()); }

std::string ShortcutTo(const ui::App& app) {
    std::string folder = app.exePath.substr(0, app.exePath.find_last_of('\\') + 1);
    return "target " + app.exePath + "\narguments \nfolder " + folder +
           "\ndescription Festmelder\nshow 1\nhot key 0\nicon " + app.exePath + ",0";
}

// The program's beeps of 800 Hz for 100 ms so far, from Wine's trace of its
// calls, which goes to the error output that the program shares with the test.
int Beeps() {
    const char* log = std::getenv("FESTMELDER_STDERR_LOG");
    std::ifstream in(log ? log : "", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    int beeps = 0;
    for (std::size_t at = 0;
         (at = text.find("Call KERNEL32.Beep(00000320,00000064)", at)) != std::string::npos; at++)
        beeps++;
    return beeps;
}

class Autostart : public FestmelderTest {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        DeleteFileA(StartupShortcut().c_str());
        // Trace only the program's Beep calls, nothing else.
        HKEY debug;
        RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\Debug", &debug);
        const char include[] = "kernel32.Beep";
        RegSetValueExA(debug, "RelayInclude", 0, REG_SZ, reinterpret_cast<const BYTE*>(include),
                       sizeof include);
        RegCloseKey(debug);
        SetEnvironmentVariableA("WINEDEBUG", "+relay");
    }
    void TearDown() override {
        FestmelderTest::TearDown();
        DeleteFileA(StartupShortcut().c_str());
        CoUninitialize();
    }

    testing::AssertionResult Choose(int button) {
        testing::AssertionResult clicked = Click(kSettings);
        return clicked ? Answer(SettingsBox, button) : clicked;
    }
};

TEST_F(Autostart, JaWritesTheShortcutToTheRunningProgramAndBeeps) {
    ASSERT_TRUE(Start(Record("Anna", 5, 3, 1987)));
    int before = Beeps();
    ASSERT_TRUE(Choose(IDYES));
    ASSERT_TRUE(ui::WaitUntil([] { return Exists(StartupShortcut()); }, "the shortcut"));
    EXPECT_EQ(ReadShortcut(), ShortcutTo(app));
    EXPECT_TRUE(ui::WaitUntil([&] { return Beeps() == before + 1; }, "one beep"))
        << Beeps() - before;
}

TEST_F(Autostart, JaAgainPointsTheShortcutAtTheMovedProgram) {
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(Choose(IDYES));
    std::string first = ShortcutTo(app);
    ui::Kill(app);
    ui::RemoveFolder(app);

    ASSERT_TRUE(Start(std::nullopt)); // the same program in another folder
    ASSERT_NE(ShortcutTo(app), first);
    EXPECT_EQ(ReadShortcut(), first);
    int before = Beeps();
    ASSERT_TRUE(Choose(IDYES));
    EXPECT_EQ(ReadShortcut(), ShortcutTo(app));
    EXPECT_TRUE(ui::WaitUntil([&] { return Beeps() == before + 1; }, "one beep"))
        << Beeps() - before;
}

TEST_F(Autostart, NeinRemovesTheShortcutAndOnlyThenBeeps) {
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(Choose(IDYES));
    int before = Beeps();
    ASSERT_TRUE(Choose(IDNO));
    EXPECT_FALSE(Exists(StartupShortcut()));
    ASSERT_TRUE(ui::WaitUntil([&] { return Beeps() == before + 1; }, "one beep"));

    ASSERT_TRUE(Choose(IDNO)); // nothing left to remove
    ASSERT_TRUE(Choose(IDCANCEL));
    EXPECT_FALSE(Exists(StartupShortcut()));
    Sleep(300); // a beep that should not come would be traced by now
    EXPECT_EQ(Beeps(), before + 1);
}

TEST_F(Autostart, AbbrechenLeavesTheShortcutAsItWas) {
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(Choose(IDYES));
    std::string written = ReadShortcut();
    int before = Beeps();
    ASSERT_TRUE(Choose(IDCANCEL));
    EXPECT_EQ(ReadShortcut(), written);
    Sleep(300);
    EXPECT_EQ(Beeps(), before);
    EXPECT_FALSE(ui::FindMessageBox(app)) << "no message box follows the question";
}

} // namespace
} // namespace festmelder
