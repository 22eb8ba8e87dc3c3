#include "platform/clock.h"

#include <windows.h>

namespace platform {

LocalTime ReadLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

unsigned Milliseconds() { return GetTickCount(); }

} // namespace platform
