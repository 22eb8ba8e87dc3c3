# Makes the release zip: the program file, the license text and the user's
# notes, whose texts go out in the Windows code page with CR LF line ends like
# every text of ours. The notes get the release's version, and every name that
# they put in „“ must be a file of the zip or a text of the program, so that
# they cannot drift from what the user finds.
#   cmake -DEXE=... -DLICENSE=... -DREADME=... -DVERSION=... -DZIP=... -P package.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/source_date_epoch.cmake)
get_filename_component(stage "${ZIP}" DIRECTORY)
set(stage "${stage}/package")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY "${EXE}" DESTINATION "${stage}")

function(stage_text source name)
    execute_process(COMMAND iconv -f UTF-8 -t CP1252 INPUT_FILE "${source}"
                    OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${stage}/${name}" "${text}")
endfunction()

# Whether the program file holds the text (ASCII) as 8-bit text or as a whole
# UTF-16 text, as in its version resource.
file(READ "${EXE}" program HEX)
function(program_holds text answer)
    string(HEX "${text}" narrow)
    string(REGEX REPLACE "(..)" "\\100" wide "${narrow}")
    string(APPEND wide 0000)
    string(FIND "${program}" "${narrow}" narrowAt)
    string(FIND "${program}" "${wide}" wideAt)
    if(narrowAt EQUAL -1 AND wideAt EQUAL -1)
        set(${answer} 0 PARENT_SCOPE)
    else()
        set(${answer} 1 PARENT_SCOPE)
    endif()
endfunction()

stage_text("${LICENSE}" Lizenz.txt)
configure_file("${README}" "${stage}/Liesmich.utf-8" @ONLY)
stage_text("${stage}/Liesmich.utf-8" Liesmich.txt)
file(READ "${stage}/Liesmich.utf-8" notes)
file(REMOVE "${stage}/Liesmich.utf-8")

program_holds("${VERSION}" held)
if(NOT held)
    message(FATAL_ERROR "Liesmich.txt gives the version ${VERSION}, which the program file does not carry")
endif()
string(REGEX MATCHALL "„[^“]+“" names "${notes}")
foreach(name IN LISTS names)
    string(REGEX REPLACE "^„(.*)“$" "\\1" name "${name}")
    program_holds("${name}" held)
    if(NOT held AND NOT EXISTS "${stage}/${name}")
        message(FATAL_ERROR "Liesmich.txt names „${name}“, which is neither a file of the zip nor a text of the program")
    endif()
endforeach()

file(REMOVE "${ZIP}")
execute_process(COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/write_zip.py "${ZIP}" Festmelder.exe Liesmich.txt Lizenz.txt
                WORKING_DIRECTORY "${stage}" COMMAND_ERROR_IS_FATAL ANY)
