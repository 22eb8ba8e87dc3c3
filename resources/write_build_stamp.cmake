# Writes the header that gives the version resource its "Erstellt am" value.
string(TIMESTAMP now "%d.%m.%Y - %H:%M:%S")
file(WRITE "${OUTPUT}" "#define FESTMELDER_BUILD_TIME \"${now}\"\n")
