# Cross build for 32-bit x86 Windows with the MinGW-w64 compilers (posix
# thread model). The programs ship as 32-bit programs: on a technician's
# 64-bit Windows, run as a standard user, only a 32-bit program without an
# execution level gets registry virtualization, so that its settings under
# HKEY_LOCAL_MACHINE\Software are kept in a per-user store instead of failing.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One standalone .exe each: no libgcc, libstdc++ or winpthread DLL beside it;
# unused code dropped and symbols stripped, so that each stays small.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Size before speed: the programs wait on the wire")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Size before speed: the programs wait on the wire")
# No link time in the headers either, so that the same sources give the same
# bytes (the release bundle is reproducible).
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s -Wl,--no-insert-timestamp")

# ctest runs the Windows executables under Wine, in the prefix the test scripts prepare.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
