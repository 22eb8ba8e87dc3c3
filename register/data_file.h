// The register in memory and its data file "Festmelder.dat" beside the program.
#pragma once

#include <string>

#include "register/records.h"

extern BirthdayList Register;
extern std::string DataFilePath;
// 1 while the register holds changes that are not in the data file.
extern int DirtyFlag;

// Reads the data file into the register; a missing, empty or unreadable file
// leaves it empty.
void LoadRegister();

// Writes the register into the data file in one step: a failure at any point
// leaves the old file as it was and is told to the user. Answers 1 and clears
// DirtyFlag on success.
int SaveRegister();
