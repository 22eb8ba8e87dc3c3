#include "update/internet_update.h"

#include "common/file_names.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/sockets.h"
#include "platform/version_info.h"
#include "register/data_file.h"
#include "update/download.h"
#include "update/file_version.h"
#include "update/program_file.h"
#include "update/publisher_signature.h"
#include "update/update_rules.h"

int NetworkReady = 0;

namespace {

const char kInformation[] = "Update Information";
const char kError[] = "Update Fehler";
const char kInstalled[] = "Das Update wurde erfolgreich installiert.\r\n"
                          "Das Programm wird nun neu gestartet!";
const char kSwapFailed[] = "Es ist ein Fehler während\r\ndes Update Prozesses aufgetreten!";

int Tell(const char* title, const std::string& text, unsigned icon) {
    return platform::ShowMessage(title, text, platform::kButtonsOk | icon);
}

bool Ask(const std::string& question) {
    return platform::ShowMessage(kInformation, question,
                                 platform::kButtonsYesNo | platform::kIconExclamation) ==
           platform::kAnswerYes;
}

const char kNotAnUpdate[] = "Die heruntergeladene Datei ist kein gültiges Update!";

// Whatever the server sent that is not a whole program file of ours that this
// Windows runs, such as an error page, a transfer cut off or a program for
// another processor, or that our publisher did not sign, is never offered for
// installation.
int RefuseUpdate(const std::string& update, const char* reason = kNotAnUpdate) {
    platform::RemoveFile(update);
    Tell(kError, reason, platform::kIconError);
    return 0;
}

bool IsRunnableDownload(const std::string& update) {
    std::string bytes;
    return platform::ReadWholeFile(update, bytes) &&
           IsWholeProgramFile(bytes, static_cast<std::int64_t>(bytes.size())) &&
           RunsOnThisWindows(bytes, sizeof(void*) == 8, platform::RunsUnderWow64());
}

int SwapByScript(const std::string& program, const std::string& update) {
    std::string script = SiblingFileName(program, "bat"), text;
    // The command interpreter reads the script in the OEM code page. A look-alike
    // there would change what the script does: a quotation mark ends the path and
    // lets the rest of the folder's name run as commands. A script that is not
    // ours in full, or another file of its name that stayed, must not run either.
    if (!platform::InOemCodePage(SwapScript(program, update, script), text) ||
        !WriteNewFile(script, text)) {
        platform::RemoveFile(update);
        Tell(kError, kSwapFailed, platform::kIconError);
        return 0;
    }
    // The script's DEL would wait forever for a read-only program file to go.
    if (!platform::ClearReadOnly(program) ||
        !platform::StartProcess(script, "", FolderOf(program), 1)) {
        Tell(kError, kSwapFailed, platform::kIconError);
        return 0;
    }
    Tell(kInformation, kInstalled, platform::kIconInformation);
    return 1;
}

int SwapByRenaming(const std::string& program, const std::string& update,
                   const std::string& homePageAddress) {
    std::string old = SiblingFileName(program, "tmp");
    if (!platform::RenameFile(program, old)) {
        Tell(kError, kSwapFailed, platform::kIconError);
        return 0;
    }
    if (platform::RenameFile(update, program)) {
        Tell(kInformation, kInstalled, platform::kIconInformation);
        // The new copy must not find this one's marker and refuse to start.
        platform::ReleaseNamedSemaphore();
        platform::StartProcess(program, "", FolderOf(DataFilePath), 0);
        return 1;
    }
    if (platform::RenameFile(old, program)) {
        Tell(kError, kSwapFailed, platform::kIconError);
        return 0;
    }
    Tell(kError,
         "die Programmdatei ist beim Update beschädigt worden!\r\n"
         "Sie müssen das Programm neu laden!\r\n\r\nDie Home Page wird nun aufgerufen!",
         platform::kIconError);
    platform::StartProcess(homePageAddress, "", "", 0);
    return 0;
}

} // namespace

int RunInternetUpdate(const std::string& updateAddress, const std::string& homePageAddress) {
    if (!NetworkReady) NetworkReady = platform::StartNetwork();
    if (!NetworkReady) {
        Tell(kError, "Fehler in Netzwerkverbindung!", platform::kIconError);
        return 0;
    }
    if (!Ask("Möchten Sie den Update Prozess starten?")) return 0;
    std::string program = platform::ProgramFilePath();
    std::string update = SiblingFileName(program, "upd");
    if (!DownloadToFile(updateAddress, update)) {
        Tell(kError, "Keine Verbindung zum Update Server!", platform::kIconError);
        return 0;
    }
    if (!IsRunnableDownload(update)) return RefuseUpdate(update);
    if (!IsFromProgramsPublisher(program, update))
        return RefuseUpdate(update,
                            "Das Update ist nicht vom Herausgeber dieses Programms signiert!");
    if (FileVersionText(program) == FileVersionText(update)) {
        Tell(kInformation, "Sie haben bereits die aktuellste Version!", platform::kIconInformation);
        platform::RemoveFile(update);
        return 0;
    }
    if (platform::QueryProductName(update) != "Festmelder") return RefuseUpdate(update);
    if (!Ask("Lokale Dateiversion:\t" + FileVersionText(program) + "\t\r\nUpdate Dateiversion:\t" +
             FileVersionText(update) + "\r\n\r\nMöchten Sie das Update installieren?")) {
        platform::RemoveFile(update);
        return 0;
    }
    if (OsVersionCode(platform::ReadWindowsVersion()) < 50) return SwapByScript(program, update);
    return SwapByRenaming(program, update, homePageAddress);
}
