# The program file: its entry, the values the build fixes in it and its
# resources (icon, manifest and version information with the moment of the
# build), over the procedures and the platform layer.
#
# festmelder_program(<target> <update address> [<build number>]) makes one.
# The release takes the update server's address and the build number of
# project(); the tests make copies of other versions that update from the
# loopback interface.
set(festmelder_resources ${PROJECT_SOURCE_DIR}/resources)
set(festmelder_stamp ${CMAKE_BINARY_DIR}/resources/build_stamp.h)
add_custom_target(festmelder_build_stamp
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${festmelder_stamp}
        -P ${festmelder_resources}/write_build_stamp.cmake
    BYPRODUCTS ${festmelder_stamp}
    COMMENT "Stamping the build time")
set(festmelder_resource_inputs ${festmelder_stamp} ${PROJECT_BINARY_DIR}/common/version.h
    ${PROJECT_BINARY_DIR}/resources/festmelder.manifest)
foreach(file festmelder.ico info.ico update.ico home_page.ico)
    list(APPEND festmelder_resource_inputs ${festmelder_resources}/${file})
endforeach()

# The program and the layers under it are compiled in MinGW-w64's win32 thread
# model: the posix one, the toolchain's for GoogleTest's sake, links
# libwinpthread, which needs functions that Windows XP lacks. So the layers
# are built once more for the program, from the same source lists and settings.
set(festmelder_win32_threads ${PROJECT_SOURCE_DIR}/cmake/win32-threads)
add_library(festmelder_program_layers STATIC ${festmelder_core_sources}
    ${festmelder_procedures_sources} ${festmelder_platform_sources})
target_link_libraries(festmelder_program_layers PUBLIC festmelder_options
    ${festmelder_platform_libraries})
target_compile_definitions(festmelder_program_layers PRIVATE NOMINMAX)
set_target_properties(festmelder_program_layers PROPERTIES
    CXX_COMPILER_LAUNCHER ${festmelder_win32_threads})
# The layers as the toolchain compiles them are left to the tests that link them.
set_target_properties(festmelder_core festmelder_procedures festmelder_platform PROPERTIES
    EXCLUDE_FROM_ALL ON)

function(festmelder_program target updateAddress)
    # The program's own objects: its entry and the values it is built with,
    # compiled alike, each program its own.
    set(objects ${target}_objects)
    add_library(${objects} OBJECT ${PROJECT_SOURCE_DIR}/app/main.cpp
        ${PROJECT_SOURCE_DIR}/app/terminate_handler.cpp)
    festmelder_values(${objects} ${updateAddress} ${ARGN})
    set_target_properties(${objects} PROPERTIES CXX_COMPILER_LAUNCHER ${festmelder_win32_threads})
    target_compile_options(${objects} PRIVATE -Os -ffunction-sections -fdata-sections)

    set(rc ${festmelder_resources}/festmelder.rc)
    add_executable(${target} WIN32 ${rc})
    target_link_libraries(${target} PRIVATE ${objects} festmelder_program_layers)
    if(ARGC GREATER 2)
        # The version resource shows the build number too.
        target_compile_definitions(${target} PRIVATE FESTMELDER_BUILD_NUMBER=${ARGV2})
    endif()
    target_include_directories(${target} PRIVATE
        ${festmelder_resources} ${CMAKE_BINARY_DIR}/resources)
    add_dependencies(${target} festmelder_build_stamp)
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${festmelder_resource_inputs}")
    set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX
        CXX_LINKER_LAUNCHER ${festmelder_win32_threads})
    target_link_options(${target} PRIVATE -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
endfunction()
