#include "app/startup.h"

#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/shutdown.h"
#include "common/file_names.h"
#include "common/program_values.h"
#include "common/window_numbers.h"
#include "platform/files.h"
#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/toolbar.h"
#include "register/data_file.h"
#include "reminder/report_list.h"
#include "resources/resource_ids.h"

void RemoveUpdateLeftover() {
    std::string oldProgramFile = SiblingFileName(platform::ProgramFilePath(), "tmp");
    // Missing, a folder, or out of sight for now: the next start looks again.
    if (platform::FileSize(oldProgramFile) < 0) return;
    // The previous copy may still be ending: give it a moment to let go of the
    // file, and when it takes longer, go on trying once the window is up.
    platform::PauseMilliseconds(1000);
    // A program file copied from a CD is read-only, and so is what an update
    // set aside of it.
    platform::ClearReadOnly(oldProgramFile);
    if (!platform::RemoveFile(oldProgramFile))
        platform::RemoveFileWhenFree(oldProgramFile, 30 * 1000);
}

void EnsureSingleInstance(const std::string& semaphoreName) {
    int alreadyExisted = 0;
    if (platform::CreateNamedSemaphore(semaphoreName, alreadyExisted) && alreadyExisted) {
        platform::ShowMessage("Fehler", "Das Programm ist bereits gestartet!",
                              platform::kButtonsOk | platform::kIconError);
        EndProgram();
    }
}

static void CreateSharedResources() {
    platform::CreateFixedFont(ListFont, "Courier New", 9);
    platform::CreateImageFromIconData(InfoIcon, INFO_ICON_DATA);
    platform::CreateImageFromIconData(UpdateIcon, UPDATE_ICON_DATA);
    platform::CreateImageFromIconData(HomePageIcon, HOME_PAGE_ICON_DATA);
}

// Start-up cannot go on without the program's folder, the window or the
// register: the user is told and the program ends, leaving every file as it was.
static void EndAfterFailure(const char* text) {
    platform::ShowMessage("Fehler", text, platform::kButtonsOk | platform::kIconError);
    EndProgram();
}

void RunProgram() {
    platform::InitialiseFacilities();
    SetProgramValues();
    // All of the program's files lie in its folder; with no path that names it
    // they would be looked for elsewhere, and the register found missing.
    if (ProgramFolder.empty())
        EndAfterFailure("Der Programmordner kann nicht verwendet werden!\r\nBitte verschieben Sie "
                        "Festmelder in einen anderen Ordner.");
    CreateSharedResources();
    RemoveUpdateLeftover();
    EnsureSingleInstance("Festmelder");
    if (!CreateMainWindow()) EndAfterFailure("Das Programmfenster konnte nicht geöffnet werden!");
    if (!LoadRegister()) EndAfterFailure("Die Daten konnten nicht gelesen werden!");
    BuildReminderReport();
    platform::ShowTab(MainPanel, BirthdaysTab);
    RefreshToolbar();
    RunEventLoop();
    EndProgram();
}
