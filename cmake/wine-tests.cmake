# Windows test programs (they record message boxes instead of showing them), run by ctest under Wine against the simulators (whose
# native build must exist: scripts/build makes both).

add_library(wine_test_support OBJECT
    tests/wine/message_recorder.cpp
    tests/wine/sim_client_win32.cpp)
target_include_directories(wine_test_support PUBLIC tests/wine link)
target_link_libraries(wine_test_support PUBLIC gtest ws2_32)
vm_warnings(wine_test_support)

function(vm_reader_wine_test name)
    add_executable(${name} tests/wine/${name}.cpp)
    target_link_libraries(${name} PRIVATE tandor_core classic_core velmor_core wine_test_support
                                          link_win32_base gtest_main)
    vm_warnings(${name})
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-sim reader -- $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

vm_reader_wine_test(link_wine_test)
vm_reader_wine_test(card_wine_test)

# The smoke exchange of the run command.
add_executable(reader-smoke tests/wine/reader_smoke.cpp)
target_link_libraries(reader-smoke PRIVATE tandor_core link_win32_base)
vm_warnings(reader-smoke)

# The station operations with a recorded form, against the station simulator.
add_library(wine_form_fake OBJECT tests/fakes/event_log.cpp tests/fakes/fake_form.cpp)
target_include_directories(wine_form_fake PUBLIC tests/fakes link)
add_executable(station_wine_test tests/wine/station_wine_test.cpp)
target_link_libraries(station_wine_test PRIVATE velmor_core wine_form_fake wine_test_support
                                                link_win32_base gtest_main)
vm_warnings(station_wine_test)
add_test(NAME station_wine_test
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-sim station -- $<TARGET_FILE:station_wine_test>)
set_tests_properties(station_wine_test PROPERTIES TIMEOUT 300)

# End-to-end: the real programs driven through their windows (under Xvfb
# when there is no display).
add_library(e2e_support OBJECT tests/e2e/automation_win32.cpp tests/e2e/e2e_support.cpp)
target_include_directories(e2e_support PUBLIC tests/e2e tests/wine link resources)
target_link_libraries(e2e_support PUBLIC gtest)
vm_warnings(e2e_support)

function(vm_e2e_test name program sim) # further arguments go to the simulator
    add_executable(${name} tests/e2e/${name}.cpp)
    target_link_libraries(${name} PRIVATE e2e_support wine_test_support link_core link_win32_base
                                          gtest_main)
    vm_warnings(${name})
    add_dependencies(${name} ${program})
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-sim ${sim} ${ARGN} -- $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600
                         ENVIRONMENT "VM_PROGRAM=$<TARGET_FILE:${program}>;VM_SHOTS=${CMAKE_BINARY_DIR}/shots")
endfunction()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/shots)
vm_e2e_test(tandor_e2e_test tandor reader)
vm_e2e_test(velmor_e2e_test velmor station)
# The classic writer reaches ports above COM9 through the device-namespace name.
vm_e2e_test(classic_e2e_test tandor-classic reader --com 12)

# The benchmark's driver (scripts/bench).
add_executable(bench-driver tests/e2e/bench_driver.cpp)
target_link_libraries(bench-driver PRIVATE e2e_support wine_test_support link_core link_win32_base
                                           gtest)
vm_warnings(bench-driver)
vm_e2e_test(tandor_faults_e2e_test tandor reader)
vm_e2e_test(classic_faults_e2e_test tandor-classic reader)
vm_e2e_test(velmor_faults_e2e_test velmor station)

# The long run's driver (scripts/soak).
add_executable(soak-driver tests/e2e/soak_driver.cpp)
target_link_libraries(soak-driver PRIVATE e2e_support wine_test_support link_core link_win32_base
                                          gtest)
vm_warnings(soak-driver)

# The README's run command, headless, in its shortest form: the same script,
# programs and ports a newcomer gets.
foreach(program tandor tandor-classic velmor)
    add_test(NAME run_command_${program}
             COMMAND env -u DISPLAY VM_OUT=${CMAKE_BINARY_DIR}/run-out
                     ${CMAKE_SOURCE_DIR}/scripts/run --built --short ${program})
    set_tests_properties(run_command_${program} PROPERTIES TIMEOUT 300)
endforeach()
