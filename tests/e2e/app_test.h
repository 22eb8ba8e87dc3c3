// The frame of an end-to-end test that drives one run of the program under
// test: it starts the program in a fresh folder, and afterwards fails the test
// if a message box was left open, ends the program and removes its folder,
// or, after a failure, keeps the folder with a screenshot in it to look at.
#pragma once

#include "tests/e2e/ui_driver.h"

namespace ui {

class AppTest : public testing::Test {
  protected:
    App app;

    // Starts ProgramUnderTest() with this Festmelder.dat (none: nullopt) and
    // waits for its main window.
    testing::AssertionResult Start(const std::optional<std::string>& dataFile);
    // Start in two steps, for a test that puts more into app.folder first.
    testing::AssertionResult Prepare(const std::optional<std::string>& dataFile);
    testing::AssertionResult Launch();
    void TearDown() override;
};

} // namespace ui
