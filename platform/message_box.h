// The program's one way of telling the user something or asking a question.
#pragma once

#include <string>

namespace platform {

// Buttons, icons and answers, with the values the system uses for them.
enum MessageStyle : unsigned {
    kButtonsOk = 0x00,
    kButtonsYesNoCancel = 0x03,
    kButtonsYesNo = 0x04,
    kIconError = 0x10,
    kIconQuestion = 0x20,
    kIconExclamation = 0x30,
    kIconInformation = 0x40,
};

enum MessageAnswer : int {
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerYes = 6,
    kAnswerNo = 7,
};

// Shows a modal box owned by the program's foreground window, if it has one,
// and answers the button the user chose.
int ShowMessage(const std::string& title, const std::string& text, unsigned style);

} // namespace platform
