#include "app/startup.h"

#include "app/file_names.h"
#include "app/program_values.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "register/data_file.h"

void RemoveUpdateLeftover() {
    std::string oldProgramFile = SiblingFileName(platform::ProgramFilePath(), "tmp");
    if (platform::FileSize(oldProgramFile) < 0) return;
    // The previous copy may still be ending: give it a moment to let go of the file.
    platform::PauseMilliseconds(1000);
    platform::RemoveFile(oldProgramFile);
}

void EnsureSingleInstance(const std::string& semaphoreName) {
    int alreadyExisted = 0;
    if (platform::CreateNamedSemaphore(semaphoreName, alreadyExisted) && alreadyExisted) {
        platform::ShowMessage("Fehler", "Das Programm ist bereits gestartet!",
                              platform::kButtonsOk | platform::kIconError);
        EndProgram();
    }
}

void EndProgram() { platform::ExitProgram(0); }

void RunProgram() {
    SetProgramValues();
    RemoveUpdateLeftover();
    EnsureSingleInstance("Festmelder");
    LoadRegister();
    EndProgram();
}
