# The one moment that a build writes wherever it records a time (the version
# resource's "Erstellt am", the signing time, the zip's entry times), so that
# every build of one commit gives the same bytes: SOURCE_DATE_EPOCH when the
# builder sets it, else the time of the commit being built. Included by the
# build's scripts; it sets the environment variable, which string(TIMESTAMP)
# honours.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY "${CMAKE_CURRENT_LIST_DIR}"
        OUTPUT_VARIABLE commitTime OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT commitTime MATCHES "^[0-9]+$")
        string(TIMESTAMP commitTime "%s" UTC)
        message(WARNING "No commit to take the build's time from: this build carries the current time "
                        "and differs from every other. Set SOURCE_DATE_EPOCH to build the same bytes.")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} "${commitTime}")
endif()
