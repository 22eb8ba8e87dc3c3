// The local wall-clock time.
#pragma once

namespace platform {

struct LocalTime {
    int Year, Month, Day, Hour, Minute, Second;
};

LocalTime ReadLocalTime();

// A steady count of milliseconds, for measuring how long something takes.
unsigned Milliseconds();

} // namespace platform
