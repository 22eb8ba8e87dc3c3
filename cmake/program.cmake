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
# are built once more for the program, from the same sources and settings.
set(festmelder_win32_threads ${PROJECT_SOURCE_DIR}/cmake/win32-threads)
add_library(festmelder_program_layers STATIC)
foreach(layer festmelder_core festmelder_procedures festmelder_platform)
    get_target_property(sources ${layer} SOURCES)
    target_sources(festmelder_program_layers PRIVATE ${sources})
endforeach()
get_target_property(libraries festmelder_platform INTERFACE_LINK_LIBRARIES)
get_target_property(definitions festmelder_platform COMPILE_DEFINITIONS)
target_link_libraries(festmelder_program_layers PUBLIC ${libraries})
target_compile_definitions(festmelder_program_layers PRIVATE ${definitions})
set_target_properties(festmelder_program_layers PROPERTIES
    CXX_COMPILER_LAUNCHER ${festmelder_win32_threads})
# The layers as the toolchain compiles them are left to the tests that link them.
set_target_properties(festmelder_core festmelder_procedures festmelder_platform PROPERTIES
    EXCLUDE_FROM_ALL ON)

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
    target_link_libraries(${target} PRIVATE festmelder_program_layers)
    set_target_properties(${target} PROPERTIES
        CXX_COMPILER_LAUNCHER ${festmelder_win32_threads}
        CXX_LINKER_LAUNCHER ${festmelder_win32_threads})
    target_compile_options(${target} PRIVATE -Os -ffunction-sections -fdata-sections)
    target_link_options(${target} PRIVATE -static -s -Wl,--gc-sections)
endfunction()
