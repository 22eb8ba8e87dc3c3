// The Internet update: the newest program file from the update server put in
// the place of the running one, which then starts anew.
#pragma once

#include <string>

// 1 once the sockets layer has been started; never cleared.
extern int NetworkReady;

// Answers 1 after a successful installation: the program must end then.
int RunInternetUpdate(const std::string& updateAddress, const std::string& homePageAddress);
