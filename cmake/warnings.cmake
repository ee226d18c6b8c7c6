# Warnings on for every target of ours, and each one an error: the native,
# Windows and fuzz builds all stay clean.
function(vm_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wformat=2 -Werror)
endfunction()
