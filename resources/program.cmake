# The program file: its entry, the values the build fixes in it and its
# resources (icon, manifest and version information with the moment of the
# build), over the shell and the platform layer.
#
# festmelder_program(<target> <update address> [<build number>]) makes one.
# The release takes the update server's address and the build number of
# app/version.h; the tests make copies of other versions that update from the
# loopback interface.
set(festmelder_resources ${PROJECT_SOURCE_DIR}/resources)
set(festmelder_stamp ${CMAKE_BINARY_DIR}/resources/build_stamp.h)
add_custom_target(festmelder_build_stamp
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${festmelder_stamp}
        -P ${festmelder_resources}/write_build_stamp.cmake
    BYPRODUCTS ${festmelder_stamp}
    COMMENT "Stamping the build time")
set(festmelder_resource_inputs ${festmelder_stamp} ${PROJECT_SOURCE_DIR}/app/version.h)
foreach(file festmelder.ico festmelder.manifest info.ico update.ico home_page.ico)
    list(APPEND festmelder_resource_inputs ${festmelder_resources}/${file})
endforeach()

function(festmelder_program target updateAddress)
    set(rc ${festmelder_resources}/festmelder.rc)
    add_executable(${target} WIN32 ${PROJECT_SOURCE_DIR}/app/main.cpp
        ${PROJECT_SOURCE_DIR}/app/terminate_handler.cpp ${rc})
    if(ARGC GREATER 2)
        festmelder_program_values(${target} ${updateAddress} FESTMELDER_BUILD_NUMBER=${ARGV2})
    else()
        festmelder_program_values(${target} ${updateAddress})
    endif()
    target_include_directories(${target} PRIVATE
        ${festmelder_resources} ${CMAKE_BINARY_DIR}/resources)
    add_dependencies(${target} festmelder_build_stamp)
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${festmelder_resource_inputs}")
    target_link_libraries(${target} PRIVATE festmelder_shell festmelder_platform)
    target_compile_options(${target} PRIVATE -Os -ffunction-sections -fdata-sections)
    target_link_options(${target} PRIVATE -static -s -Wl,--gc-sections)
endfunction()
