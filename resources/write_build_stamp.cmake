# Writes the header that gives the version resource its "Erstellt am" value,
# only when the value changed, so that an unchanged stamp relinks nothing.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/source_date_epoch.cmake)
string(TIMESTAMP now "%d.%m.%Y - %H:%M:%S" UTC)
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "#define FESTMELDER_BUILD_TIME \"${now}\"\n" @ONLY)
