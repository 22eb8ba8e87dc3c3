# Signing the program file with Authenticode (SHA-256) by osslsigncode, when
# the publisher gives the key: FESTMELDER_SIGNING_CERTIFICATE and
# FESTMELDER_SIGNING_KEY as PEM files, or FESTMELDER_SIGNING_CERTIFICATE alone
# as a PKCS#12 file that holds both. The password of an encrypted key or
# PKCS#12 file is read at build time from the environment variable
# FESTMELDER_SIGNING_PASSWORD, so that it lies in no file and on no command line.
set(FESTMELDER_SIGNING_CERTIFICATE "" CACHE FILEPATH
    "Certificate (PEM) to sign the program with, or a PKCS#12 file with certificate and key")
set(FESTMELDER_SIGNING_KEY "" CACHE FILEPATH
    "Private key (PEM) of the signing certificate; empty when the certificate is a PKCS#12 file")

# festmelder_sign(<target>): signs the target's file in place right after it
# is linked, so that whatever takes the file (the zip) takes it signed. Without
# a certificate the file stays unsigned.
function(festmelder_sign target)
    if(NOT FESTMELDER_SIGNING_CERTIFICATE)
        if(FESTMELDER_SIGNING_KEY)
            message(FATAL_ERROR "FESTMELDER_SIGNING_KEY is set without FESTMELDER_SIGNING_CERTIFICATE")
        endif()
        return()
    endif()
    foreach(file IN ITEMS ${FESTMELDER_SIGNING_CERTIFICATE} ${FESTMELDER_SIGNING_KEY})
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "No signing file ${file}")
        endif()
    endforeach()
    find_program(FESTMELDER_OSSLSIGNCODE osslsigncode REQUIRED)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DOSSLSIGNCODE=${FESTMELDER_OSSLSIGNCODE}
            -DCERTIFICATE=${FESTMELDER_SIGNING_CERTIFICATE} -DKEY=${FESTMELDER_SIGNING_KEY}
            -DFILE=$<TARGET_FILE:${target}> -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/sign_file.cmake
        COMMENT "Signing $<TARGET_FILE_NAME:${target}>" VERBATIM)
endfunction()
