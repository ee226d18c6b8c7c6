# Cross build for 32-bit x86 Windows with the MinGW-w64 compilers (posix
# thread model). The programs ship as 32-bit programs: on a technician's
# 64-bit Windows, run as a standard user, only a 32-bit program without an
# execution level gets registry virtualization, so that its settings under
# HKEY_LOCAL_MACHINE\Software are kept in a per-user store instead of failing.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
