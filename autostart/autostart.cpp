#include "autostart/autostart.h"

#include "common/program_values.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/shell.h"

std::string SpecialFolderPath(int folderId) {
    return WithTrailingBackslash(platform::ShellFolderPath(folderId));
}

static void AcknowledgeSuccess() { platform::SoundBeep(800, 100); }

void ApplyAutostartAnswer(int answer, const std::string& startupFolder) {
    // Without the folder there is no place for the shortcut: a relative path
    // would put it into whatever folder is current.
    if (startupFolder.empty()) return;
    std::string shortcutPath = startupFolder + "Festmelder.lnk";
    if (answer == platform::kAnswerYes) {
        std::string program = platform::ProgramFilePath();
        platform::ShellLink link = {program, "", ProgramFolder, "Festmelder", 1, 0, program, 0};
        if (platform::CreateShellLink(link, shortcutPath)) AcknowledgeSuccess();
    } else if (answer == platform::kAnswerNo) {
        if (platform::RemoveFile(shortcutPath)) AcknowledgeSuccess();
    }
}

void ConfigureAutostart() {
    int answer = platform::ShowMessage(
        "Einstellungen",
        "Austostart Einstellungen für Festmelder:\t\r\n\r\nAktivieren mit:\tJa\r\n"
        "Deaktivieren mit:\tNein",
        platform::kButtonsYesNoCancel | platform::kIconExclamation);
    if (answer == platform::kAnswerYes || answer == platform::kAnswerNo)
        ApplyAutostartAnswer(answer, SpecialFolderPath(platform::kStartupFolder));
}
