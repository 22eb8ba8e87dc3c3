#include "app/shutdown.h"

#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/sockets.h"
#include "platform/toolbar.h"
#include "register/data_file.h"

int ExitConfirmed = 0;

void ConfirmExit() {
    if (!DirtyFlag) {
        ExitConfirmed = 1;
        return;
    }
    int answer = platform::ShowMessage(
        "Ungesicherte Daten",
        "Es gibt noch ungesicherte Daten,\r\nsollen diese jetzt gespeichert werden?",
        platform::kButtonsYesNoCancel | platform::kIconQuestion);
    // After a failed save the program stays open, so that the changes are not lost.
    if (answer == platform::kAnswerYes) ExitConfirmed = SaveRegister();
    if (answer == platform::kAnswerNo) ExitConfirmed = 1;
    if (answer == platform::kAnswerCancel) ExitConfirmed = 0;
}

void EndProgram() {
    platform::ReleaseImages();
    platform::StopNetwork();
    platform::CloseMainWindow();
    platform::ReleaseFonts();
    platform::ReleaseFacilities();
    platform::ExitProgram(0);
}
