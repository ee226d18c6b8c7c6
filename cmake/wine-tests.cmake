# The end-to-end tests: the real programs driven through their windows under
# Wine (and Xvfb when there is no display), against the simulators, whose
# native build must exist (scripts/build makes both); and the tools that drive
# the programs the same way (scripts/drivers: the benchmark, the long run and
# the console smoke exchange, the pictures of the tour and the screens).

add_library(e2e_support OBJECT tests/e2e/e2e_support_win32.cpp)
target_include_directories(e2e_support PUBLIC tests/e2e link resources)
target_link_libraries(e2e_support PUBLIC gtest ws2_32)
vm_warnings(e2e_support)

function(vm_e2e_test name source program sim) # further arguments go to the simulator
    add_executable(${name} tests/e2e/${source}.cpp)
    target_link_libraries(${name} PRIVATE e2e_support link_core link_win32_base gtest_main)
    vm_warnings(${name})
    add_dependencies(${name} ${program})
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-sim ${sim} ${ARGN} -- $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600
                         ENVIRONMENT "VM_PROGRAM=$<TARGET_FILE:${program}>")
endfunction()

# Every device sits on a port number of the kind a USB serial adapter gets,
# on a line that another program left with flow control on, so that the tests
# show the programs reach it and set the whole line. The classic writer's
# simulator sends at the real line speed (the 50 ms gap checked as on a line).
vm_e2e_test(velmor_e2e_test velmor_e2e_test velmor station --com 12 --flow-control)
# The card writers, one source built for each.
vm_e2e_test(tandor_e2e_test card_writer_e2e_test tandor reader --com 14 --flow-control)
vm_e2e_test(classic_e2e_test card_writer_e2e_test tandor-classic reader --com 14 --line-speed
            --flow-control)
target_compile_definitions(classic_e2e_test PRIVATE VM_CLASSIC)

# The companion against both simulators and a card writer's trace.
add_test(NAME quenby_e2e
         COMMAND env VM_WINDOWS_BIN=${CMAKE_BINARY_DIR}/bin ${CMAKE_SOURCE_DIR}/scripts/with-sim
                 reader,station --com 14,12 --host --flow-control --
                 ${CMAKE_SOURCE_DIR}/tests/e2e/quenby_wine_test.sh)
set_tests_properties(quenby_e2e PROPERTIES TIMEOUT 300)
# Station profiles and card batches with quenby.exe on COM ports.
add_test(NAME quenby_jobs_e2e
         COMMAND env QUENBY_WINE=1 VM_WINDOWS_BIN=${CMAKE_BINARY_DIR}/bin
                 ${CMAKE_SOURCE_DIR}/scripts/with-sim reader,station --com 14,12
                 --host --flow-control -- ${CMAKE_SOURCE_DIR}/tests/e2e/quenby_jobs_test.sh)
set_tests_properties(quenby_jobs_e2e PROPERTIES TIMEOUT 300)

# The README's run command, headless, in its shortest form: the same script,
# programs and ports a newcomer gets.
foreach(program tandor tandor-classic velmor)
    add_test(NAME run_command_${program}
             COMMAND env -u DISPLAY VM_OUT=${CMAKE_BINARY_DIR}/run-out
                     ${CMAKE_SOURCE_DIR}/scripts/run --built --short ${program})
    set_tests_properties(run_command_${program} PROPERTIES TIMEOUT 300)
endforeach()

# Tools, not tests.
function(vm_driver name source)
    add_executable(${name} scripts/drivers/${source}.cpp)
    target_link_libraries(${name} PRIVATE e2e_support link_core link_win32_base gtest ${ARGN})
    vm_warnings(${name})
endfunction()
vm_driver(bench-driver bench_driver)
vm_driver(soak-driver soak_driver psapi)
vm_driver(reader-smoke reader_smoke tandor_core)
vm_driver(screens-driver screens_driver)
