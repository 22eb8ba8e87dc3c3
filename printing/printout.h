// The register printout behind "Drucken".
#pragma once

// Prints the register as a paged list on the printer the user chooses.
void PrintRegister();
