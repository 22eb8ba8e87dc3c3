#include "register/entry_editing.h"

#include "common/calendar.h"
#include "common/window_numbers.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "register/data_file.h"

int SelectedIndex = 0;
int EditingExisting = 0;

static void ClearFields() {
    for (int field : {NameField, DayField, MonthField, YearField})
        platform::SetGadgetText(field, "");
}

static int GadgetOf(EntryField field) {
    if (field == EntryField::Name) return NameField;
    return field == EntryField::Day ? DayField : MonthField;
}

void SelectEntry() {
    SelectedIndex = platform::ListSelection(RegisterList);
    if (SelectedIndex < 0) {
        // Without a record in the fields, Apply must add one.
        EditingExisting = 0;
        return;
    }
    const BirthdayRecord& record = SelectRecord(Register, static_cast<std::size_t>(SelectedIndex));
    platform::SetGadgetText(NameField, record.Name);
    platform::SetGadgetText(DayField, FormatNumber(record.Day));
    platform::SetGadgetText(MonthField, FormatNumber(record.Month));
    platform::SetGadgetText(YearField, FormatNumber(record.Year));
    platform::FocusGadget(NameField);
    EditingExisting = 1;
}

void ApplyEntry() {
    std::string name = platform::GadgetText(NameField);
    std::string day = platform::GadgetText(DayField);
    std::string month = platform::GadgetText(MonthField);
    EntryField failing = IsValidEntry(name, day, month);
    if (failing != EntryField::None) {
        platform::ShowMessage("Eingabefehler", "Fehlende oder ungültige Eingabe!",
                              platform::kButtonsOk | platform::kIconExclamation);
        platform::FocusGadget(GadgetOf(failing));
        return;
    }
    BirthdayRecord& record = EditingExisting
                                 ? SelectRecord(Register, static_cast<std::size_t>(SelectedIndex))
                                 : AppendRecord(Register);
    record.Name = name;
    record.Day = ParseDayOrMonth(day);
    record.Month = ParseDayOrMonth(month);
    record.Year = CompleteYear(platform::GadgetText(YearField), YearOf(CurrentDate()));
    SortRegister(Register);
    RefreshRegisterList();
    EditingExisting = 0;
    DirtyFlag = 1;
    ClearFields();
    platform::FocusGadget(NameField);
}

void DeleteEntry() {
    int answer = platform::ShowMessage("Löschen bestätigen",
                                       "Wollen Sie diesen Datensatz wirklich löschen?\r\n"
                                       "Diese Aktion kann nicht Rückgängig gemacht werden!",
                                       platform::kButtonsYesNo | platform::kIconError);
    if (answer == platform::kAnswerYes && EditingExisting) {
        DeleteRecord(Register, static_cast<std::size_t>(SelectedIndex));
        platform::RemoveListLine(RegisterList, SelectedIndex);
        DirtyFlag = 1;
    }
    ClearFields();
    platform::FocusGadget(NameField);
    EditingExisting = 0;
}
