// The reminder report: whose birthday falls today and in the six days after.
#pragma once

#include <string>
#include <vector>

#include "common/calendar.h"
#include "register/records.h"

std::vector<std::string> ReminderReport(const BirthdayList& list, DateValue today);
