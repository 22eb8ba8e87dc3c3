// Closing the window: at once when all is saved, else only after asking
// whether to save, and never so that unsaved changes get lost.
#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

const std::string AnnaAndBert = Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0);

class Closing : public FestmelderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start(AnnaAndBert)); }

    void AddCarl() {
        ASSERT_TRUE(ui::SelectTab(app, 1));
        ASSERT_TRUE(Fill("Carl", "1", "1", "1970"));
        ASSERT_TRUE(PressReturn());
        ASSERT_TRUE(Enabled(kSave));
    }

    testing::AssertionResult EndsWithExitCodeZero() {
        DWORD exitCode = 99;
        testing::AssertionResult ended = ui::WaitForExit(app, exitCode);
        if (!ended) return ended;
        if (exitCode != 0)
            return testing::AssertionFailure() << "expected exit code 0, got " << exitCode;
        return testing::AssertionSuccess();
    }
};

TEST_F(Closing, EndsAtOnceWhenEverythingIsSaved) {
    ui::CloseMainWindow(app);
    EXPECT_TRUE(EndsWithExitCodeZero());
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert);
}

TEST_F(Closing, YesSavesTheChangesAndEnds) {
    AddCarl();
    ui::CloseMainWindow(app);
    ASSERT_TRUE(Answer(UnsavedDataBox, IDYES));
    EXPECT_TRUE(EndsWithExitCodeZero());
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert + Record("Carl", 1, 1, 1970));
}

TEST_F(Closing, NoEndsWithoutSaving) {
    AddCarl();
    ui::CloseMainWindow(app);
    ASSERT_TRUE(Answer(UnsavedDataBox, IDNO));
    EXPECT_TRUE(EndsWithExitCodeZero());
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert);
}

TEST_F(Closing, CancelGoesOnWhereTheUserWas) {
    AddCarl();
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 1));
    ASSERT_TRUE(ui::SetText(Gadget(ui::kNameEdit), "Berta"));
    ui::CloseMainWindow(app);
    ASSERT_TRUE(Answer(UnsavedDataBox, IDCANCEL));

    EXPECT_TRUE(ui::IsRunning(app));
    EXPECT_EQ(ui::CurrentTab(app), 1);
    EXPECT_EQ(Fields(), "Berta|24|12|0");
    EXPECT_TRUE(Enabled(kSave));
    EXPECT_TRUE(Enabled(kDelete));
    EXPECT_FALSE(Enabled(kUpdate));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert);

    // Still unsaved: asked again.
    ui::CloseMainWindow(app);
    ASSERT_TRUE(Answer(UnsavedDataBox, IDNO));
    EXPECT_TRUE(EndsWithExitCodeZero());
}

TEST_F(Closing, YesWithAFailingSaveKeepsTheProgramOpen) {
    AddCarl();
    ASSERT_TRUE(CreateDirectoryA((app.folder + "Festmelder.dat.new").c_str(), nullptr));
    ui::CloseMainWindow(app);
    ASSERT_TRUE(Answer(UnsavedDataBox, IDYES));
    ASSERT_TRUE(Answer(SaveErrorBox, IDOK));

    EXPECT_TRUE(ui::IsRunning(app)) << "expected the program still open with the changes";
    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no further box";
    EXPECT_TRUE(Enabled(kSave));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert);
    EXPECT_EQ(RegisterLines().size(), 3u);
}

} // namespace
} // namespace festmelder
