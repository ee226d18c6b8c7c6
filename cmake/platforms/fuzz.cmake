# Fuzz build (clang, libFuzzer, ASan, UBSan): every decoder and reply parser.
# Each target runs for a bounded time as a ctest test; what it finds new goes
# into build/fuzz/corpus, never into the committed seeds.
set(VM_FUZZ_SECONDS 15 CACHE STRING "Seconds each fuzz target runs under ctest")

add_library(fakes OBJECT tests/fakes/fake_device.cpp
                         tests/fakes/fake_form.cpp tests/fakes/fake_store.cpp)
target_include_directories(fakes PUBLIC tests/fakes)
target_link_libraries(fakes PUBLIC link_core)
vm_warnings(fakes)

function(vm_fuzz name)
    add_executable(fuzz_${name} tests/fuzz/fuzz_${name}.cpp)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${name} PRIVATE ${ARGN})
    vm_warnings(fuzz_${name})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/corpus/${name})
    add_test(NAME fuzz_${name}
             COMMAND fuzz_${name} -max_total_time=${VM_FUZZ_SECONDS} -print_final_stats=1
                     ${CMAKE_BINARY_DIR}/corpus/${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds/${name})
endfunction()

vm_fuzz(reader_reply tandor_core fakes)
vm_fuzz(station_answers velmor_core fakes)
vm_fuzz(station_profile quenby_core fakes)
vm_fuzz(card_batch quenby_core fakes)
vm_fuzz(trace_decode quenby_core fakes)
vm_fuzz(settings_values velmor_core fakes)
