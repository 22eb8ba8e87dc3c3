// Values set once at start-up and read for the whole run.
#pragma once

#include <string>

extern std::string ProgramVersion;
extern std::string CopyrightLine;
extern std::string UpdateAddress;
extern std::string HomePageAddress;
extern std::string ProgramFolder;

void SetProgramValues();
