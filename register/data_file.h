// The register in memory, its list on the data tab and its data file
// "Festmelder.dat" beside the program.
#pragma once

#include <string>

#include "register/records.h"

extern BirthdayList Register;
extern std::string DataFilePath;
// 1 while the register holds changes that are not in the data file.
extern int DirtyFlag;

// Shows one line per record in RegisterList, in register order, with nothing
// selected.
void RefreshRegisterList();

// Reads the data file into the register, trying again for a few seconds while
// it cannot be read. A missing or empty file leaves the register empty; answers
// 0 when the file exists but could not be read.
int LoadRegister();

// Writes the bytes into a new file, or in the place of an existing one, and
// makes sure they reached the disk; answers 0 when any part of that failed.
int WriteNewFile(const std::string& path, const std::string& bytes);

// Writes the register into the data file in one step: a failure at any point
// leaves the old file as it was and is told to the user. Answers 1 and clears
// DirtyFlag on success.
int SaveRegister();
