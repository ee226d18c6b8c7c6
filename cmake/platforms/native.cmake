# Native build: the device simulators and the unit tests of the portable core.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(sim_common STATIC
    sim/common_control.cpp
    sim/control_server.cpp
    sim/device_loop.cpp
    sim/hex.cpp
    sim/pty_device.cpp
    sim/sim_log.cpp)
target_include_directories(sim_common PUBLIC sim)
vm_warnings(sim_common)

add_library(reader_sim_core STATIC
    sim/reader_control.cpp
    sim/reader_frame.cpp
    sim/reader_model.cpp)
target_link_libraries(reader_sim_core PUBLIC sim_common)
vm_warnings(reader_sim_core)

add_executable(reader-sim sim/reader_sim.cpp)
target_link_libraries(reader-sim PRIVATE reader_sim_core)
vm_warnings(reader-sim)

add_library(station_sim_core STATIC
    sim/station_control.cpp
    sim/station_model.cpp)
target_link_libraries(station_sim_core PUBLIC sim_common)
vm_warnings(station_sim_core)

add_executable(station-sim sim/station_sim.cpp)
target_link_libraries(station-sim PRIVATE station_sim_core)
vm_warnings(station-sim)

add_executable(simctl sim/simctl.cpp)
vm_warnings(simctl)

# The companion for Linux: the same core on termios.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SERIALPORT REQUIRED IMPORTED_TARGET libserialport)
add_executable(quenby quenby/main.cpp quenby/command_line.cpp quenby/debug_log_posix.cpp
                      quenby/port_list_posix.cpp quenby/use_port_posix.cpp quenby/store_posix.cpp
                      quenby/serial_posix.cpp quenby/system_posix.cpp quenby/terminal_posix.cpp)
target_link_libraries(quenby PRIVATE quenby_core PkgConfig::SERIALPORT)
vm_warnings(quenby)

add_test(NAME quenby_native_e2e
         COMMAND env VM_SIM_BIN=${CMAKE_BINARY_DIR}/bin ${CMAKE_SOURCE_DIR}/scripts/with-sim
                 reader,station --com 14,12 --native --
                 ${CMAKE_SOURCE_DIR}/tests/e2e/quenby_native_test.sh)
set_tests_properties(quenby_native_e2e PROPERTIES TIMEOUT 120)
add_test(NAME quenby_jobs_native_e2e
         COMMAND env VM_SIM_BIN=${CMAKE_BINARY_DIR}/bin ${CMAKE_SOURCE_DIR}/scripts/with-sim
                 reader,station --com 14,12 --native --
                 ${CMAKE_SOURCE_DIR}/tests/e2e/quenby_jobs_test.sh)
set_tests_properties(quenby_jobs_native_e2e PROPERTIES TIMEOUT 300)

add_library(fakes OBJECT tests/fakes/fake_device.cpp
                         tests/fakes/fake_form.cpp tests/fakes/fake_store.cpp)
target_include_directories(fakes PUBLIC tests/fakes)
target_link_libraries(fakes PUBLIC link_core)
vm_warnings(fakes)

function(vm_unit_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE fakes tandor_core classic_core velmor_core
                                          GTest::gtest_main)
    vm_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()


# No include cycle, no program reaching into another's folder.
add_test(NAME structure COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/check-structure
                                ${CMAKE_SOURCE_DIR})

add_test(NAME clang_format
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-format ${CMAKE_SOURCE_DIR})

vm_unit_test(card_layouts_test tests/unit/card_layouts_test.cpp)
vm_unit_test(card_writers_test tests/unit/card_writers_test.cpp)
vm_unit_test(velmor_test tests/unit/velmor_test.cpp)
vm_unit_test(reader_link_test tests/unit/reader_link_test.cpp)
vm_unit_test(settings_test tests/unit/settings_test.cpp)
vm_unit_test(quenby_test tests/unit/quenby_test.cpp)
target_link_libraries(quenby_test PRIVATE quenby_core)
vm_unit_test(quenby_jobs_test tests/unit/quenby_jobs_test.cpp)
target_link_libraries(quenby_jobs_test PRIVATE quenby_core)
vm_unit_test(card_batch_test tests/unit/card_batch_test.cpp)
target_link_libraries(card_batch_test PRIVATE quenby_core)
vm_unit_test(companion_language_test tests/unit/companion_language_test.cpp)
target_link_libraries(companion_language_test PRIVATE quenby_core)

add_test(NAME clang_tidy COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-tidy ${CMAKE_BINARY_DIR})
