// The numbers by which the program addresses its gadgets, fonts, images and
// commands. Each gadget's window carries its number as its control id.
#pragma once

enum Gadget : int {
    MainPanel = 0,
    ReportList = 1,
    NameField = 2,
    DayField = 3,
    MonthField = 4,
    YearField = 5,
    ApplyButton = 6,
    RegisterList = 11,
};

enum Command : int {
    ReturnCommand = 0,
    SettingsCommand = 1,
    SaveCommand = 2,
    DeleteCommand = 3,
    PrintCommand = 4,
    InfoCommand = 5,
    UpdateCommand = 6,
    HomePageCommand = 7,
};

enum Tab : int { BirthdaysTab = 0, DataTab = 1 };

constexpr int ListFont = 0;

enum Image : int { InfoIcon = 0, UpdateIcon = 1, HomePageIcon = 2 };
