// Speichern: the data file it writes, and what happens when it cannot.
#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

const std::string AnnaAndBert = Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0);

class Saving : public FestmelderTest {
  protected:
    void AddCarl() {
        ASSERT_TRUE(ui::SelectTab(app, 1));
        ASSERT_TRUE(Fill("Carl", "1", "1", "70"));
        ASSERT_TRUE(PressReturn());
        ASSERT_TRUE(Enabled(kSave));
    }
    // The save writes a new file first, which a folder of that name blocks.
    void BlockTheSave() {
        ASSERT_TRUE(CreateDirectoryA((app.folder + "Festmelder.dat.new").c_str(), nullptr));
    }
};

TEST_F(Saving, WritesTheWholeRegisterAndIsDoneUntilTheNextChange) {
    ASSERT_TRUE(Start(AnnaAndBert));
    AddCarl();
    ASSERT_TRUE(Click(kSave));
    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no message box";
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert + Record("Carl", 1, 1, 1970));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat.new"), std::nullopt)
        << "expected no temporary file left";
    EXPECT_FALSE(Enabled(kSave)) << "expected nothing more to save";
    EXPECT_TRUE(Enabled(kUpdate)) << "expected an update possible once all is saved";
}

TEST_F(Saving, AFailedSaveSaysSoKeepsTheOldFileAndCanBeTriedAgain) {
    ASSERT_TRUE(Start(AnnaAndBert));
    AddCarl();
    BlockTheSave();
    ASSERT_TRUE(Click(kSave));
    ASSERT_TRUE(Answer(SaveErrorBox, IDOK));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert);
    EXPECT_TRUE(Enabled(kSave)) << "expected the changes still to need saving";
    EXPECT_FALSE(Enabled(kUpdate));

    ASSERT_TRUE(RemoveDirectoryA((app.folder + "Festmelder.dat.new").c_str()));
    ASSERT_TRUE(Click(kSave));
    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no message box";
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert + Record("Carl", 1, 1, 1970));
}

TEST_F(Saving, AFileHeldOpenByAnotherProgramIsLeftAsItWas) {
    ASSERT_TRUE(Start(AnnaAndBert));
    AddCarl();
    HANDLE held = CreateFileA((app.folder + "Festmelder.dat").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(Click(kSave));
    EXPECT_TRUE(Answer(SaveErrorBox, IDOK));
    CloseHandle(held);
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert);
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat.new"), std::nullopt)
        << "expected the temporary file removed";
    EXPECT_TRUE(Enabled(kSave));
}

// A new user: no data file yet.
TEST_F(Saving, WithoutADataFileTheRegisterStartsEmptyAndTheFirstEntryMakesOne) {
    ASSERT_TRUE(Start(std::nullopt));
    std::vector<std::string> report = ReportLines();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(std::vector<std::string>(report.begin() + 1, report.end()),
              (std::vector<std::string>{"Heute:", "", "Morgen:", "",
                                        "\xDC"
                                        "bermorgen:",
                                        "", "Restliche Woche:", ""}))
        << "expected the empty headings after the date line";
    EXPECT_FALSE(Enabled(kPrint)) << "expected nothing to print";
    ASSERT_TRUE(ui::SelectTab(app, 1));
    EXPECT_EQ(RegisterLines(), std::vector<std::string>{});
    EXPECT_FALSE(Enabled(kPrint)) << "expected nothing to print on the data tab either";

    ASSERT_TRUE(Fill("Anna", "5", "3", "1987"));
    ASSERT_TRUE(PressReturn());
    EXPECT_TRUE(Enabled(kPrint));
    ASSERT_TRUE(Click(kSave));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), "Anna\r\n5\r\n3\r\n1987\r\n");
}

} // namespace
} // namespace festmelder
