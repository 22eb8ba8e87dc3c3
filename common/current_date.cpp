#include "common/calendar.h"
#include "platform/clock.h"

DateValue CurrentDate() {
    platform::LocalTime now = platform::ReadLocalTime();
    return MakeDate(now.Year, now.Month, now.Day, now.Hour, now.Minute, now.Second);
}
