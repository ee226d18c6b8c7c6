# Cross build for x86-64 Windows: the same programs, for testing only, on a
# machine that does not run 32-bit programs (there Wine runs 64-bit ones
# alone). Nothing built with it is shipped.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
