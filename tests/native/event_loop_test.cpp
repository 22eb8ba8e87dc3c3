#include <gtest/gtest.h>

#include "app/about.h"
#include "app/event_loop.h"
#include "app/gadgets.h"
#include "app/program_values.h"
#include "app/startup.h"
#include "app/toolbar_state.h"
#include "platform/message_box.h"
#include "register/data_file.h"
#include "register/data_file_format.h"
#include "register/entry_editing.h"
#include "tests/fakes/fake_platform.h"
#include "tests/native/temp_folder.h"

namespace {

using platform::EventKind;
using platform::GadgetEventType;

TEST(ToolbarStates, FollowTabUnsavedDataEditingAndRegisterSize) {
    ToolbarState state = ToolbarStateFor(BirthdaysTab, 0, 1, 0);
    EXPECT_EQ(state.SaveEnabled, 0);
    EXPECT_EQ(state.UpdateEnabled, 1);
    EXPECT_EQ(state.DeleteEnabled, 0);
    EXPECT_EQ(state.PrintEnabled, 0);
    EXPECT_EQ(state.FocusReport, 1);
    state = ToolbarStateFor(DataTab, 1, 1, 3);
    EXPECT_EQ(state.SaveEnabled, 1);
    EXPECT_EQ(state.UpdateEnabled, 0);
    EXPECT_EQ(state.DeleteEnabled, 1);
    EXPECT_EQ(state.PrintEnabled, 1);
    EXPECT_EQ(state.FocusReport, 0);
    EXPECT_EQ(ToolbarStateFor(DataTab, 0, 0, 3).DeleteEnabled, 0);
}

TEST(About, TextIsWordForWord) {
    EXPECT_EQ(AboutText("1.2.27", "(c) Team", "http://www.festmelder.example/freeware.htm"),
              "Festmelder\r\nVersion: 1.2.27\r\n\r\n(c) Team\r\n\r\n"
              "Dieses Programm ist Freeware.\r\n\r\n"
              "Bitte beachten Sie die Lizenzinformationen\t\r\n"
              "in der beiliegenden Textdatei.\r\n\r\n"
              "www.festmelder.example/freeware.htm");
}

class EventLoop : public ::testing::Test {
  protected:
    TempFolder folder;

    void SetUp() override {
        fake::Reset();
        fake::ResetWindow();
        ProgramFolder = folder.Path;
        HomePageAddress = "http://www.festmelder.example/freeware.htm";
        Register = ParseDataFile("Anna\r\n6\r\n12\r\n1980\r\n");
        DirtyFlag = 0;
        EditingExisting = 0;
        ExitConfirmed = 0;
    }

    // Runs the loop over the events, followed by a close request.
    void Run(std::initializer_list<platform::WindowEvent> events) {
        fake::Events.assign(events);
        ExitConfirmed = 0;
        RunEventLoop();
    }
};

TEST_F(EventLoop, CloseWithoutChangesEndsAtOnce) {
    Run({});
    EXPECT_EQ(ExitConfirmed, 1);
    EXPECT_TRUE(fake::Messages.empty());
}

TEST_F(EventLoop, ShowingTheFirstTabRebuildsTheReportAndKeepsTheFocusThere) {
    fake::ShownTab = BirthdaysTab;
    Run({{EventKind::Gadget, MainPanel, GadgetEventType::Other}});
    ASSERT_EQ(fake::Lists[ReportList].size(), 12u);
    EXPECT_EQ(fake::Lists[ReportList][3], "     Anna");
    EXPECT_EQ(fake::Focus, ReportList);
    EXPECT_EQ(fake::ToolbarEnabled[PrintCommand], 1);
    EXPECT_EQ(fake::ToolbarEnabled[SaveCommand], 0);
    EXPECT_EQ(fake::ToolbarEnabled[UpdateCommand], 1);
}

TEST_F(EventLoop, SecondTabFocusesTheNameFieldAndTextFieldsSelectOnFocus) {
    fake::ShownTab = DataTab;
    fake::Texts[NameField] = "Anna";
    Run({{EventKind::Gadget, MainPanel, GadgetEventType::Other},
         {EventKind::Gadget, NameField, GadgetEventType::FocusGained}});
    EXPECT_EQ(fake::Focus, NameField);
    EXPECT_EQ(fake::TextSelections[NameField], std::make_pair(0, 4));
    Run({{EventKind::Gadget, NameField, GadgetEventType::FocusLost}});
    EXPECT_EQ(fake::TextSelections[NameField], std::make_pair(4, 4));
}

TEST_F(EventLoop, ReturnAppliesOnlyOnTheSecondTab) {
    fake::ShownTab = BirthdaysTab;
    fake::Texts[NameField] = "Bea";
    fake::Texts[DayField] = "1";
    fake::Texts[MonthField] = "1";
    Run({{EventKind::Command, ReturnCommand, GadgetEventType::Other}});
    EXPECT_EQ(RecordCount(Register), 1u);
    fake::ShownTab = DataTab;
    fake::NextAnswer = platform::kAnswerNo;
    Run({{EventKind::Command, ReturnCommand, GadgetEventType::Other}});
    EXPECT_EQ(RecordCount(Register), 2u);
    EXPECT_EQ(fake::ToolbarEnabled[SaveCommand], 1);
    EXPECT_EQ(fake::ToolbarEnabled[UpdateCommand], 0);
    // The close request now asks about the unsaved entry.
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].Title, "Ungesicherte Daten");
}

TEST_F(EventLoop, InfoAndHomePageCommands) {
    ProgramVersion = "1.2.27";
    Run({{EventKind::Command, InfoCommand, GadgetEventType::Other},
         {EventKind::Command, HomePageCommand, GadgetEventType::Other}});
    ASSERT_FALSE(fake::Messages.empty());
    EXPECT_EQ(fake::Messages[0].Title, "Über Festmelder");
    EXPECT_EQ(fake::Messages[0].Style, 0x40u);
    EXPECT_EQ(fake::OpenedAddresses, std::vector<std::string>{HomePageAddress});
}

class ConfirmExitQuestion : public EventLoop {};

TEST_F(ConfirmExitQuestion, AnswersDecideAndAFailedSaveKeepsTheProgramOpen) {
    DirtyFlag = 1;
    fake::NextAnswer = platform::kAnswerCancel;
    ConfirmExit();
    EXPECT_EQ(ExitConfirmed, 0);
    EXPECT_EQ(fake::Messages[0].Text,
              "Es gibt noch ungesicherte Daten,\r\nsollen diese jetzt gespeichert werden?");
    EXPECT_EQ(fake::Messages[0].Style, 0x23u);

    fake::NextAnswer = platform::kAnswerYes;
    ProgramFolder = folder.Path + "gone/";
    ConfirmExit();
    EXPECT_EQ(ExitConfirmed, 0);
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(fake::Messages.back().Title, "Fehler");
    EXPECT_EQ(fake::Messages.back().Text, "Die Daten konnten nicht gespeichert werden!");
    EXPECT_EQ(fake::Messages.back().Style, 0x10u);

    ProgramFolder = folder.Path;
    ConfirmExit();
    EXPECT_EQ(ExitConfirmed, 1);
    EXPECT_EQ(folder.Read("Festmelder.dat"), "Anna\r\n6\r\n12\r\n1980\r\n");

    ExitConfirmed = 0;
    DirtyFlag = 1;
    fake::NextAnswer = platform::kAnswerNo;
    ConfirmExit();
    EXPECT_EQ(ExitConfirmed, 1);
    EXPECT_EQ(DirtyFlag, 1);
}

} // namespace
