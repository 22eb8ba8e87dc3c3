// The release's version, shared by the program and its version resource.
#pragma once

#define FESTMELDER_VERSION_MAJOR 1
#define FESTMELDER_VERSION_MINOR 2
#define FESTMELDER_BUILD_NUMBER 27
#define FESTMELDER_FILE_VERSION_TEXT "1.2.27"
#define FESTMELDER_PRODUCT_VERSION_TEXT "1.2"
#define FESTMELDER_COPYRIGHT "© 2008-2026 Festmelder-Team"
