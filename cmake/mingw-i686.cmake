# The engine as a 32-bit Windows console program (Debian: g++-mingw-w64-i686):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_PREFIX i686-w64-mingw32)
# Up to 4 GB of address space on 64-bit Windows instead of 2 GB, so that the
# largest hash table (1024 MB) still finds room beside everything else.
set(MINGW_EXTRA_LINK_FLAGS "-Wl,--large-address-aware")
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
