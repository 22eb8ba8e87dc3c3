#include "reminder/report_list.h"

#include "common/window_numbers.h"
#include "platform/gadgets.h"
#include "register/data_file.h"
#include "reminder/report.h"

void BuildReminderReport() {
    platform::SetListLines(ReportList, ReminderReport(Register, CurrentDate()));
}
