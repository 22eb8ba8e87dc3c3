// The reminder report on the first tab.
#pragma once

// Fills ReportList anew with the report for today.
void BuildReminderReport();
