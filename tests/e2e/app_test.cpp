#include "tests/e2e/app_test.h"

#include <cstdio>

namespace ui {

testing::AssertionResult AppTest::Start(const std::optional<std::string>& dataFile) {
    testing::AssertionResult prepared = Prepare(dataFile);
    return prepared ? Launch() : prepared;
}

testing::AssertionResult AppTest::Prepare(const std::optional<std::string>& dataFile) {
    return PrepareApp(ProgramUnderTest(), dataFile, app);
}

testing::AssertionResult AppTest::Launch() {
    testing::AssertionResult launched = LaunchApp(app);
    return launched ? WaitForMainWindow(app) : launched;
}

void AppTest::TearDown() {
    if (IsRunning(app)) {
        if (std::optional<MessageBoxInfo> box = FindMessageBox(app))
            ADD_FAILURE() << "a message box was left open: \"" << box->title << "\": " << box->text;
        if (HasFailure()) SaveScreenshot(app, app.folder + "failure.bmp");
    }
    Kill(app);
    if (!HasFailure()) return RemoveFolder(app);
    std::printf("The run's folder is kept: %s\n", app.folder.c_str());
}

} // namespace ui
