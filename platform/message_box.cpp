#include "platform/message_box.h"

#include <windows.h>

#include "platform/private/window_layer.h"

namespace platform {

int ShowMessage(const std::string& title, const std::string& text, unsigned style) {
    HWND owner = window_layer::ProgramForegroundWindow();
    // Without an owner, task-modal still disables every window of the program.
    if (!owner) style |= MB_TASKMODAL;
    return MessageBoxA(owner, text.c_str(), title.c_str(), style);
}

} // namespace platform
