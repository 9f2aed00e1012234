# The same engine as a 64-bit Windows console program
# (Debian: g++-mingw-w64-x86-64), for testing under wine on a machine that
# cannot execute 32-bit code:
#   cmake -S . -B build-windows64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
