# Signs a program file in place with Authenticode (SHA-256); the signing time
# is the build's moment, so that one commit signed with one key gives the same
# bytes (an RSA key: its signatures are deterministic, ECDSA ones are not).
#   cmake -DOSSLSIGNCODE=... -DCERTIFICATE=... [-DKEY=...] -DFILE=... -P sign_file.cmake
include(${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
if(KEY)
    set(credentials -certs ${CERTIFICATE} -key ${KEY})
else()
    set(credentials -pkcs12 ${CERTIFICATE})
endif()
# The password goes from the environment to osslsigncode's input through the
# shell's own printf, so that it appears in no process's arguments.
if(DEFINED ENV{FESTMELDER_SIGNING_PASSWORD})
    set(passwordFromEnvironment COMMAND sh -c "printf %s \"$FESTMELDER_SIGNING_PASSWORD\"")
    list(APPEND credentials -readpass /dev/stdin)
endif()
execute_process(${passwordFromEnvironment}
    COMMAND ${OSSLSIGNCODE} sign ${credentials} -h sha256 -n Festmelder
        -time $ENV{SOURCE_DATE_EPOCH} -in ${FILE} -out ${FILE}.signed
    OUTPUT_QUIET RESULTS_VARIABLE results)
# An unsigned file left behind would count as built and go into the zip.
if(NOT results MATCHES "^(0;)*0$")
    file(REMOVE ${FILE} ${FILE}.signed)
    message(FATAL_ERROR "Signing ${FILE} failed; the unsigned file is removed")
endif()
file(RENAME ${FILE}.signed ${FILE})
