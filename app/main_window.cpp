#include "app/main_window.h"

#include "common/window_numbers.h"
#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/toolbar.h"

namespace {

using platform::GadgetKind;
using platform::kSeparator;
using platform::kToPageEdge;

// The standard small toolbar images the program uses.
enum StandardImage {
    StandardDelete = 5,
    StandardSave = 8,
    StandardProperties = 10,
    StandardPrint = 14
};

const std::vector<platform::ToolbarButton> ToolbarButtons = {
    {SaveCommand, StandardSave},
    {kSeparator, 0},
    {DeleteCommand, StandardDelete},
    {kSeparator, 0},
    {PrintCommand, StandardPrint},
    {kSeparator, 0},
    {SettingsCommand, StandardProperties},
    {kSeparator, 0},
    {UpdateCommand, platform::kOwnImage + UpdateIcon},
    {kSeparator, 0},
    {HomePageCommand, platform::kOwnImage + HomePageIcon},
    {kSeparator, 0},
    {InfoCommand, platform::kOwnImage + InfoIcon},
};

// In the order of their command ids.
const char* const Tooltips[] = {"Einstellungen", "Speichern",       "Eintrag Löschen", "Drucken",
                                "Info",          "Internet Update", "Home Page"};

struct GadgetPlacement {
    int Number;
    int Page;
    GadgetKind Kind;
    int X, Y, Width, Height;
    const char* Text;
    int Limit; // characters, 0 for none
};

// In the order of creation, which is also the order of the Tab key.
const GadgetPlacement Gadgets[] = {
    {ReportList, BirthdaysTab, GadgetKind::ListBox, 0, 0, kToPageEdge, kToPageEdge, "", 0},
    {NameField, DataTab, GadgetKind::TextField, 83, 3, 245, 20, "", 0},
    {DayField, DataTab, GadgetKind::DigitField, 83, 28, 30, 20, "", 2},
    {MonthField, DataTab, GadgetKind::DigitField, 123, 28, 30, 20, "", 2},
    {YearField, DataTab, GadgetKind::DigitField, 163, 28, 60, 20, "", 4},
    {ApplyButton, DataTab, GadgetKind::DefaultButton, 228, 28, 100, 20, "Übernehmen", 0},
    {7, DataTab, GadgetKind::CentredLabel, 113, 33, 10, 15, ".", 0},
    {8, DataTab, GadgetKind::CentredLabel, 153, 33, 10, 15, ".", 0},
    {9, DataTab, GadgetKind::Label, 8, 3, 75, 20, "Name:", 0},
    {10, DataTab, GadgetKind::Label, 8, 28, 75, 20, "Geburtsdatum:", 0},
    {RegisterList, DataTab, GadgetKind::ListBox, 0, 53, kToPageEdge, kToPageEdge, "", 0},
};

void CreateToolbar() {
    if (!platform::CreateToolbar(ToolbarButtons)) return; // the window goes on without it
    int command = 1;
    for (const char* tooltip : Tooltips) platform::SetToolbarTooltip(command++, tooltip);
}

int CreateGadgets() {
    if (!platform::CreatePanel(MainPanel, {"                Geburtstage                ",
                                           "           Datenverwaltung            "}))
        return 0;
    for (const GadgetPlacement& gadget : Gadgets) {
        if (!platform::CreateGadget(gadget.Number, gadget.Page, gadget.Kind, gadget.X, gadget.Y,
                                    gadget.Width, gadget.Height, gadget.Text))
            return 0;
        if (gadget.Limit > 0) platform::LimitText(gadget.Number, gadget.Limit);
        if (gadget.Kind == GadgetKind::ListBox) platform::SetGadgetFont(gadget.Number, ListFont);
    }
    return 1;
}

} // namespace

int CreateMainWindow() {
    if (!platform::OpenMainWindow("Festmelder", 335, 300)) return 0;
    platform::AddReturnShortcut();
    CreateToolbar();
    return CreateGadgets();
}
