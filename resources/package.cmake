# Makes the release zip: the program file and the license text, which goes
# out in the Windows code page with CR LF line ends like every text of ours.
#   cmake -DEXE=... -DLICENSE=... -DZIP=... -P package.cmake
get_filename_component(stage "${ZIP}" DIRECTORY)
set(stage "${stage}/package")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY "${EXE}" DESTINATION "${stage}")
execute_process(COMMAND iconv -f UTF-8 -t CP1252 "${LICENSE}"
                OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${stage}/Lizenz.txt" "${text}")
file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip Festmelder.exe Lizenz.txt
                WORKING_DIRECTORY "${stage}" COMMAND_ERROR_IS_FATAL ANY)
