// The local wall-clock time.
#pragma once

namespace platform {

struct LocalTime {
    int Year, Month, Day, Hour, Minute, Second;
};

LocalTime ReadLocalTime();

} // namespace platform
