#include "common/program_values.h"

#include "common/file_names.h"
#include "common/number_text.h"
#include "common/version.h"
#include "platform/process.h"

std::string ProgramVersion;
std::string CopyrightLine;
std::string UpdateAddress;
std::string HomePageAddress;
std::string ProgramFolder;

std::string MakeProgramVersion(int buildNumber) { return "1.2." + FormatNumber(buildNumber); }

void SetProgramValues() {
    ProgramVersion = MakeProgramVersion(FESTMELDER_BUILD_NUMBER);
    CopyrightLine = FESTMELDER_COPYRIGHT;
    UpdateAddress = FESTMELDER_UPDATE_ADDRESS;
    HomePageAddress = FESTMELDER_HOME_PAGE_ADDRESS;
    ProgramFolder = FolderOf(platform::ProgramFilePath());
}
