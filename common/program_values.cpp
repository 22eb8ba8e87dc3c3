#include "common/program_values.h"

#include "common/file_names.h"
#include "common/version.h"
#include "platform/process.h"

std::string ProgramVersion;
std::string CopyrightLine;
std::string UpdateAddress;
std::string HomePageAddress;
std::string ProgramFolder;

void SetProgramValues() {
    ProgramVersion = FESTMELDER_FILE_VERSION_TEXT;
    CopyrightLine = FESTMELDER_COPYRIGHT;
    UpdateAddress = FESTMELDER_UPDATE_ADDRESS;
    HomePageAddress = FESTMELDER_HOME_PAGE_ADDRESS;
    ProgramFolder = FolderOf(platform::ProgramFilePath());
}
