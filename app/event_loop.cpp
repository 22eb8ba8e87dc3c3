#include "app/event_loop.h"

#include "app/about.h"
#include "app/shutdown.h"
#include "app/toolbar_state.h"
#include "autostart/autostart.h"
#include "common/program_values.h"
#include "common/window_numbers.h"
#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/toolbar.h"
#include "printing/printout.h"
#include "register/data_file.h"
#include "register/entry_editing.h"
#include "reminder/report_list.h"
#include "update/internet_update.h"

#include <iterator>

namespace {

using platform::EventKind;
using platform::GadgetEventType;

// The kind of the event being handled; a command may turn it into a close request.
EventKind CurrentEventKind = EventKind::Command;

void ApplyOnDataTab() {
    if (platform::CurrentTab(MainPanel) == DataTab) ApplyEntry();
}

void SaveFromToolbar() { SaveRegister(); }

void OpenHomePage() { platform::OpenInShell(HomePageAddress); }

// After a successful update the program ends as on a close request.
void StartInternetUpdate() {
    if (RunInternetUpdate(UpdateAddress, HomePageAddress)) CurrentEventKind = EventKind::Close;
}

// By command id.
void (*const Commands[])() = {
    ApplyOnDataTab,      // 0 Return
    ConfigureAutostart,  // 1 Einstellungen
    SaveFromToolbar,     // 2 Speichern
    DeleteEntry,         // 3 Eintrag Löschen
    PrintRegister,       // 4 Drucken
    ShowAbout,           // 5 Info
    StartInternetUpdate, // 6 Internet Update
    OpenHomePage,        // 7 Home Page
};

void RunCommand(int command) {
    if (command < 0 || command >= static_cast<int>(std::size(Commands))) return;
    if (Commands[command]) Commands[command]();
}

void ReactToGadget(int gadget, GadgetEventType type) {
    switch (gadget) {
    case MainPanel:
        if (platform::CurrentTab(MainPanel) == BirthdaysTab) BuildReminderReport();
        else platform::FocusGadget(NameField);
        break;
    case ReportList:
        BuildReminderReport();
        break;
    case NameField:
    case DayField:
    case MonthField:
    case YearField:
        if (type == GadgetEventType::FocusGained) SelectFieldText(gadget, 0, -1);
        if (type == GadgetEventType::FocusLost) SelectFieldText(gadget, -1, -1);
        break;
    case ApplyButton:
        ApplyEntry();
        break;
    case RegisterList:
        SelectEntry();
        break;
    }
}

// At log-off the same question as on closing decides, but whether the
// program ends is only known when Windows tells that the session ends.
int MayEndSession() {
    ConfirmExit();
    int mayEnd = ExitConfirmed;
    ExitConfirmed = 0;
    RefreshToolbar();
    return mayEnd;
}

void EndWithSession(int ending) {
    if (ending) EndProgram();
}

} // namespace

void RunEventLoop() {
    platform::HandleSessionEnd(MayEndSession, EndWithSession);
    while (!ExitConfirmed) {
        platform::WindowEvent event = platform::WaitWindowEvent();
        CurrentEventKind = event.Kind;
        if (CurrentEventKind == EventKind::Command) {
            RunCommand(event.Id);
            RefreshToolbar();
        }
        if (CurrentEventKind == EventKind::Gadget) {
            ReactToGadget(event.Id, event.Type);
            RefreshToolbar();
        }
        if (CurrentEventKind == EventKind::Close) {
            ConfirmExit();
            RefreshToolbar();
        }
    }
}

void RefreshToolbar() {
    int tab = platform::CurrentTab(MainPanel);
    if (tab != BirthdaysTab && tab != DataTab) return;
    ToolbarState state = ToolbarStateFor(tab, DirtyFlag, EditingExisting, RecordCount(Register));
    platform::EnableToolbarButton(SaveCommand, state.SaveEnabled);
    platform::EnableToolbarButton(DeleteCommand, state.DeleteEnabled);
    platform::EnableToolbarButton(PrintCommand, state.PrintEnabled);
    platform::EnableToolbarButton(UpdateCommand, state.UpdateEnabled);
    if (state.FocusReport) platform::FocusGadget(ReportList);
}

void SelectFieldText(int gadget, int start, int end) {
    int length = static_cast<int>(platform::GadgetText(gadget).size());
    if (end == -1) end = length;
    if (start == -1) start = length;
    platform::SelectText(gadget, start, end);
}

void ShowAbout() {
    platform::ShowMessage("Über Festmelder",
                          AboutText(ProgramVersion, CopyrightLine, HomePageAddress),
                          platform::kButtonsOk | platform::kIconInformation);
}
