# Windows build: the Win32 layer, the three programs, and the test programs
# that run under Wine.

# Serial port, clock and text conversion: everything but what shows a window.
# Object libraries, so that the core finds the seams it calls whatever the
# link order.
add_library(link_win32_base OBJECT
    link/serial_win32.cpp
    link/store_win32.cpp
    link/system_win32.cpp
    link/wide_win32.cpp)
target_include_directories(link_win32_base PUBLIC link)
target_compile_definitions(link_win32_base PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
vm_warnings(link_win32_base)

add_library(link_win32 OBJECT
    link/message_win32.cpp
    link/shell_win32.cpp)
target_link_libraries(link_win32 PUBLIC link_win32_base)
vm_warnings(link_win32)

function(vm_program name)
    add_executable(${name} WIN32 ${ARGN})
    target_link_libraries(${name} PRIVATE link_win32 link_win32_base)
    vm_warnings(${name})
endfunction()

vm_program(velmor velmor/main_win32.cpp)
target_link_libraries(velmor PRIVATE velmor_core)
vm_program(tandor tandor/main_win32.cpp)
target_link_libraries(tandor PRIVATE tandor_core)
vm_program(tandor-classic tandor-classic/main_win32.cpp)
target_link_libraries(tandor-classic PRIVATE classic_core)

# GoogleTest from Debian's source package, cross-compiled.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(cmake/wine-tests.cmake)
