#include "tests/e2e/festmelder_test.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace festmelder {

const BoxLooks InputErrorBox = {
    "Eingabefehler", "Fehlende oder ung\xFCltige Eingabe!", {IDOK}, "exclamation"};
const BoxLooks DeleteQuestionBox = {"L\xF6schen best\xE4tigen",
                                    "Wollen Sie diesen Datensatz wirklich l\xF6schen?\r\n"
                                    "Diese Aktion kann nicht R\xFC"
                                    "ckg\xE4ngig gemacht werden!",
                                    {IDYES, IDNO},
                                    "error"};
const BoxLooks SaveErrorBox = {
    "Fehler", "Die Daten konnten nicht gespeichert werden!", {IDOK}, "error"};
const BoxLooks UnsavedDataBox = {
    "Ungesicherte Daten",
    "Es gibt noch ungesicherte Daten,\r\nsollen diese jetzt gespeichert werden?",
    {IDYES, IDNO, IDCANCEL},
    "question"};

std::string Record(const std::string& name, int day, int month, int year) {
    return name + "\r\n" + std::to_string(day) + "\r\n" + std::to_string(month) + "\r\n" +
           std::to_string(year) + "\r\n";
}

std::string RegisterLine(const std::string& name, const std::string& date) {
    std::string line = name;
    line.resize(33, ' ');
    return line + date;
}

// Whole days are added to the file time of today's noon, so that no
// daylight-saving change can move the date.
Date DaysFromToday(int days) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wHour = 12;
    now.wMinute = now.wSecond = now.wMilliseconds = 0;
    FILETIME time;
    SystemTimeToFileTime(&now, &time);
    ULARGE_INTEGER ticks = {};
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    constexpr LONGLONG kTicksPerDay = 24LL * 60 * 60 * 10000000;
    ticks.QuadPart += days * kTicksPerDay;
    time.dwLowDateTime = ticks.LowPart;
    time.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME moved;
    FileTimeToSystemTime(&time, &moved);
    return {moved.wDay, moved.wMonth, moved.wYear, moved.wDayOfWeek};
}

std::vector<std::string> FestmelderTest::ReportLines() const {
    return ui::ListLines(Gadget(ui::kReportList));
}

std::vector<std::string> FestmelderTest::RegisterLines() const {
    return ui::ListLines(Gadget(ui::kRegisterList));
}

bool FestmelderTest::Enabled(Command command) const {
    return ui::ToolbarButtonEnabled(ui::FindToolbar(app), command);
}

static const char* GadgetName(int gadget) {
    switch (gadget) {
    case ui::kReportList:
        return "report list";
    case ui::kNameEdit:
        return "name field";
    case ui::kDayEdit:
        return "day field";
    case ui::kMonthEdit:
        return "month field";
    case ui::kYearEdit:
        return "year field";
    case ui::kPushButton:
        return "the button";
    case ui::kRegisterList:
        return "register list";
    }
    return nullptr;
}

std::string FestmelderTest::Focused() const {
    HWND focus = ui::FocusedWindow(app);
    if (!focus) return "nothing";
    if (focus == ui::FindTabControl(app)) return "tab row";
    int id = GetDlgCtrlID(focus);
    const char* name = GadgetName(id);
    if (name && focus == Gadget(id)) return name;
    return ui::ClassName(focus) + " " + std::to_string(id);
}

std::string FestmelderTest::Fields() const {
    return ui::Text(Gadget(ui::kNameEdit)) + "|" + ui::Text(Gadget(ui::kDayEdit)) + "|" +
           ui::Text(Gadget(ui::kMonthEdit)) + "|" + ui::Text(Gadget(ui::kYearEdit));
}

testing::AssertionResult FestmelderTest::Fill(const std::string& name, const std::string& day,
                                              const std::string& month, const std::string& year) {
    const std::pair<int, const std::string*> fields[] = {{ui::kNameEdit, &name},
                                                         {ui::kDayEdit, &day},
                                                         {ui::kMonthEdit, &month},
                                                         {ui::kYearEdit, &year}};
    for (const auto& [gadget, text] : fields) {
        testing::AssertionResult set = ui::SetText(Gadget(gadget), *text);
        if (!set) return set;
    }
    return ui::Settle(app);
}

namespace {

std::string Describe(const std::string& title, const std::string& text, std::vector<int> buttons,
                     const std::string& icon) {
    std::sort(buttons.begin(), buttons.end());
    std::ostringstream out;
    out << "\"" << title << "\": \"" << text << "\", buttons";
    for (int button : buttons) out << " " << button;
    out << ", icon " << icon;
    return out.str();
}

} // namespace

testing::AssertionResult FestmelderTest::ShowsBox(const BoxLooks& expected,
                                                  ui::MessageBoxInfo& box) {
    testing::AssertionResult shown = ui::WaitForMessageBox(app, box);
    if (!shown) return shown << " (expected the box \"" << expected.title << "\")";
    std::string wanted = Describe(expected.title, expected.text, expected.buttons, expected.icon);
    std::string got = Describe(box.title, box.text, box.buttonIds, ui::MessageBoxIcon(box));
    if (got != wanted)
        return testing::AssertionFailure()
               << "expected the box " << wanted << "\n got the box " << got;
    if (box.owner != app.window || !box.ownerDisabled)
        return testing::AssertionFailure()
               << "expected the box \"" << box.title
               << "\" to be owned by the main window and to disable it; its owner is " << box.owner
               << (box.ownerDisabled ? " (disabled)" : " (enabled)") << ", the main window "
               << app.window;
    return testing::AssertionSuccess();
}

testing::AssertionResult FestmelderTest::Answer(const BoxLooks& expected, int button) {
    ui::MessageBoxInfo box;
    testing::AssertionResult shown = ShowsBox(expected, box);
    if (!shown) return shown;
    testing::AssertionResult answered = ui::AnswerMessageBox(box, button);
    return answered ? ui::Settle(app) : answered;
}

} // namespace festmelder
