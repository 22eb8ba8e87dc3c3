#include "reminder/report_list.h"

#include "app/gadgets.h"
#include "platform/window.h"
#include "register/data_file.h"
#include "reminder/report.h"

void BuildReminderReport() {
    platform::SetListLines(ReportList, ReminderReport(Register, CurrentDate()));
}
