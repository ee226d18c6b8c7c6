# Windows build: the Win32 layer, the three programs, and the test programs
# that run under Wine.
enable_language(RC)

# The 32-bit build is the one shipped; the x86-64 one only runs the tests
# where Wine cannot run 32-bit programs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VM_WIN64 ON)
    set(VM_CHECK_EXE_MACHINE --x86-64)
endif()

# Serial port, clock and text conversion: everything but what shows a window.
# Object libraries, so that the core finds the seams it calls whatever the
# link order.
add_library(link_win32_base OBJECT
    link/serial_win32.cpp
    link/store_win32.cpp
    link/system_win32.cpp
    link/wide_win32.cpp
    link/win32_handles_win32.cpp)
target_include_directories(link_win32_base PUBLIC link)
target_compile_definitions(link_win32_base PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
vm_warnings(link_win32_base)

add_library(link_win32 OBJECT
    link/app_win32.cpp
    link/form_win32.cpp
    link/message_win32.cpp
    link/paint_win32.cpp)
target_link_libraries(link_win32 PUBLIC link_win32_base)
vm_warnings(link_win32)

# The window both card writers share.
add_library(card_writer_win32 OBJECT
    link/card_writer/card_window_win32.cpp
    link/card_writer/com_dialog_win32.cpp)
target_include_directories(card_writer_win32 PUBLIC link/card_writer resources)
target_link_libraries(card_writer_win32 PUBLIC link_win32)
vm_warnings(card_writer_win32)

# The artwork, drawn by a script at build time.
set(VM_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(VM_ART_FILES tandor_skin.bmp velmor_skin.bmp card_overlay.bmp clock48.bmp clock32.bmp
                 tandor.ico velmor.ico)
list(TRANSFORM VM_ART_FILES PREPEND ${VM_ART_DIR}/ OUTPUT_VARIABLE VM_ART_OUTPUTS)
add_custom_command(OUTPUT ${VM_ART_OUTPUTS}
                   COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/make-artwork ${VM_ART_DIR}
                   DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-artwork
                   COMMENT "Drawing the artwork")
add_custom_target(artwork DEPENDS ${VM_ART_OUTPUTS})
# windres reads the UTF-8 sources as code page 65001 and finds the artwork.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I ${VM_ART_DIR} -I ${CMAKE_SOURCE_DIR}/resources")

function(vm_program name rc)
    add_executable(${name} WIN32 ${ARGN} resources/${rc})
    set_source_files_properties(resources/${rc} PROPERTIES OBJECT_DEPENDS "${VM_ART_OUTPUTS}")
    add_dependencies(${name} artwork)
    target_link_libraries(${name} PRIVATE link_win32 link_win32_base comctl32 msimg32)
    vm_warnings(${name})
endfunction()

vm_program(velmor velmor.rc velmor/main_win32.cpp velmor/window_win32.cpp)
target_link_libraries(velmor PRIVATE velmor_core)
vm_program(tandor tandor.rc tandor/main_win32.cpp)
target_link_libraries(tandor PRIVATE card_writer_win32 tandor_core)
vm_program(tandor-classic tandor-classic.rc tandor-classic/main_win32.cpp)
target_link_libraries(tandor-classic PRIVATE card_writer_win32 classic_core)

# The companion, a console program. CLI11 is header-only: its folder alone is
# put on the include path, not the rest of the build machine's headers.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/cli11)
file(CREATE_LINK /usr/include/CLI ${CMAKE_BINARY_DIR}/cli11/CLI SYMBOLIC)
add_executable(quenby quenby/main.cpp quenby/command_line.cpp quenby/debug_log_win32.cpp
                      quenby/port_list_win32.cpp quenby/terminal_win32.cpp
                      quenby/use_port_win32.cpp resources/quenby.rc)
target_include_directories(quenby SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/cli11)
target_link_libraries(quenby PRIVATE quenby_core link_win32_base setupapi)
vm_warnings(quenby)

# Each shipped file as Windows sees it: 32-bit, Windows' own DLLs only, its
# version resource, no manifest.
# Their descriptions and versions as resources/program_info.h writes them.
file(READ ${CMAKE_SOURCE_DIR}/resources/program_info.h VM_PROGRAM_INFO)
foreach(shipped "velmor|VELMOR" "tandor|TANDOR" "tandor-classic|CLASSIC" "quenby|QUENBY")
    string(REPLACE "|" ";" fields "${shipped}")
    list(GET fields 0 program)
    list(GET fields 1 prefix)
    string(REGEX MATCH "#define ${prefix}_DESCRIPTION \"([^\"]*)\"" _ "${VM_PROGRAM_INFO}")
    set(description "${CMAKE_MATCH_1}")
    string(REGEX MATCH "#define ${prefix}_VERSION_TEXT \"([^\"]*)\"" _ "${VM_PROGRAM_INFO}")
    set(version "${CMAKE_MATCH_1}")
    add_test(NAME shipped_${program}
             COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/check-exe $<TARGET_FILE:${program}>
                     "${description}" ${version} ${VM_CHECK_EXE_MACHINE})
endforeach()
# The x86-64 build is the tests' where 32-bit programs do not run; what
# concerns only the shipped 32-bit files is counted as skipped there.
if(VM_WIN64)
    foreach(skipped
            "shipped_32bit_machine_type|the shipped files' machine type (i386) is checked on the 32-bit build"
            "registry_32bit_view|the 32-bit registry view (Wow6432Node) a 32-bit program gets is checked by the 32-bit build's end-to-end tests")
        string(REPLACE "|" ";" fields "${skipped}")
        list(GET fields 0 name)
        list(GET fields 1 why)
        add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/skip-test ${why})
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    endforeach()
endif()

# GoogleTest from Debian's source package, cross-compiled.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(cmake/wine-tests.cmake)

add_test(NAME release_bundle COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh)
