# Warnings on for every target of ours; zero is the goal on both builds.
function(vm_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wformat=2)
endfunction()
