// The release's version, shared by the program and its version resource.
#pragma once

#define FESTMELDER_VERSION_MAJOR 1
#define FESTMELDER_VERSION_MINOR 2
// A test build of another version sets its own number.
#ifndef FESTMELDER_BUILD_NUMBER
#define FESTMELDER_BUILD_NUMBER 27
#endif

#define FESTMELDER_TEXT_OF(number) #number
#define FESTMELDER_TEXT(number) FESTMELDER_TEXT_OF(number)
#define FESTMELDER_FILE_VERSION_TEXT "1.2." FESTMELDER_TEXT(FESTMELDER_BUILD_NUMBER)
#define FESTMELDER_PRODUCT_VERSION_TEXT "1.2"
#define FESTMELDER_COPYRIGHT "© 2008-2026 Festmelder-Team"
