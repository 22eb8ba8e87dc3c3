// Drives Festmelder.exe under Wine as a user would, through its message loop:
// Start runs it in a fresh folder, Do acts step by step (each step ends once
// the program has handled it), Look takes a snapshot of the window (cp1252).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Result = testing::AssertionResult;

// How many times longer than on a real CPU each wait may take.
constexpr int kSlowness = FESTMELDER_E2E_SLOWNESS;

// Gadget numbers (the control ids of their windows) and toolbar command ids.
enum Gadget { kTabs = 0, kReport = 1, kName, kDay, kMonth, kYear, kApply, kRegister = 11 };
enum Command { kSettings = 1, kSave, kDelete, kPrint, kInfo, kUpdate, kHomePage };

// The program's message boxes, as Snapshot::box gives them.
inline const struct {
    std::string inputError = "Eingabefehler|Fehlende oder ungültige Eingabe!|1",
                deleteQuestion =
                    "Löschen bestätigen|Wollen Sie diesen Datensatz wirklich "
                    "löschen?\r\nDiese Aktion kann nicht Rückgängig gemacht werden!|6 7",
                saveError = "Fehler|Die Daten konnten nicht gespeichert werden!|1",
                readError = "Fehler|Die Daten konnten nicht gelesen werden!|1",
                unsaved = "Ungesicherte Daten|Es gibt noch ungesicherte Daten,\r\nsollen diese "
                          "jetzt gespeichert werden?|6 7 2",
                autostart = "Einstellungen|Austostart Einstellungen für Festmelder:\t\r\n\r\n"
                            "Aktivieren mit:\tJa\r\nDeaktivieren mit:\tNein|6 7 2",
                updateQuestion = "Update Information|Möchten Sie den Update Prozess starten?|6 7",
                installQuestion = "Update Information|Lokale Dateiversion:\t1.2.0.27\t\r\nUpdate "
                                  "Dateiversion:\t1.2.0.28\r\n\r\nMöchten Sie das Update "
                                  "installieren?|6 7",
                noServer = "Update Fehler|Keine Verbindung zum Update Server!|1",
                sameVersion = "Update Information|Sie haben bereits die aktuellste Version!|1",
                notAnUpdate =
                    "Update Fehler|Die heruntergeladene Datei ist kein gültiges Update!|1",
                notSigned = "Update Fehler|Das Update ist nicht vom Herausgeber dieses "
                            "Programms signiert!|1",
                swapFailed = "Update Fehler|Es ist ein Fehler während\r\ndes Update Prozesses "
                             "aufgetreten!|1",
                installed = "Update Information|Das Update wurde erfolgreich installiert.\r\nDas "
                            "Programm wird nun neu gestartet!|1",
                newAbout = "Über Festmelder|Festmelder\r\nVersion: 1.2.28\r\n\r\n© 2008-2026 "
                           "Festmelder-Team\r\n\r\nDieses Programm ist Freeware.\r\n\r\nBitte "
                           "beachten Sie die Lizenzinformationen\t\r\nin der beiliegenden "
                           "Textdatei.\r\n\r\nwww.festmelder.example/freeware.htm|1";
} Boxes;

using Lines = std::vector<std::string>;

struct Snapshot {
    Lines report, entries; // the lines of the report and of the register list
    int chosen;            // the register list's selection, -1 for none
    std::string fields;    // "name|day|month|year"
    int tab, focus;        // focus: the gadget number of the focused window
    std::string toolbar;   // commands 1 to 7 as "ESLDIUH", '-' for each disabled one
    std::string box;       // "title|text|button ids" and marks such as "|covered", "" for none
};

// Fill sets "name|day|month|year" at once, past the date fields' digit check
// and length limit, which only Type meets; Push presses the apply button;
// Choose selects a register line; Answer waits for a box.
enum Action { Tab, Fill, Type, TabKey, ShiftTab, Return, Click, Push, Choose, Answer, Close };
struct Step {
    Step(Action action, int number = 0) : action(action), number(number) {}
    Step(Action action, std::string text, int gadget = 0)
        : action(action), number(gadget), text(text) {}
    Action action;
    int number; // the tab, gadget, key, command, register line or box button
    std::string text;
};

std::string ReadFile(const std::string& path); // "(none)" when it cannot be read
Result WaitUntil(const std::function<bool()>& condition, const std::string& what,
                 int timeoutMs = 5000); // times kSlowness
std::string Record(const std::string& name, int day, int month, int year);
std::string RegisterLine(const std::string& name, const std::string& date);

class Festmelder : public testing::Test {
  protected:
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND window = nullptr;
    // Ends in "\"; the folder's name begins with place, and where cp1252
    // cannot spell that, this is its short form.
    std::string folder;

    // Runs the program as Festmelder.exe in a new folder until its window is
    // in front; prepare, if given, runs once the folder is filled.
    Result Start(const std::optional<std::string>& dataFile,
                 const char* program = FESTMELDER_PROGRAM,
                 const std::function<void()>& prepare = nullptr,
                 const std::wstring& place = L"Prüfung");
    Result Do(const std::vector<Step>& steps);
    Snapshot Look();
    std::string File(const std::string& name) { return ReadFile(folder + name); }
    // Without opening it, which would keep others from deleting it meanwhile.
    bool Has(const std::string& name) { return GetFileAttributesA((folder + name).c_str()) != ~0u; }
    bool Running() { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }
    Result Ended(); // with exit code 0
    // Once the program has ended, takes over its next process as it comes up.
    Result Restarted();
    void TearDown() override;

  private:
    Result InFront();
    Result Settle();
    Result Perform(const Step& step);
};

} // namespace e2e
