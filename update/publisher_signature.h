// Whether an update comes from the running program's publisher. Anyone who
// can answer in the update server's place can send any program file; a
// program file that its publisher signed takes only an update signed with the
// same key. The key is what is trusted, not a certificate's chain.
#pragma once

#include <string>

// Answers 1 when the program file carries no Authenticode signature, or when
// the update file's signature verifies, covers the update file as it lies on
// disk and was made with the key of the program file's signer.
int IsFromProgramsPublisher(const std::string& programFile, const std::string& updateFile);
