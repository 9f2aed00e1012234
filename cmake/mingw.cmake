# Shared part of the MinGW-w64 cross toolchains; the caller sets MINGW_PREFIX
# (the compiler's target triple), CMAKE_SYSTEM_PROCESSOR and, if it needs
# any, MINGW_EXTRA_LINK_FLAGS first.
#
# The C and C++ runtimes are linked statically, so the exe needs no DLL
# beyond those every Windows has. The tests and tools need GoogleTest and
# Linux services, so a Windows build makes the engine alone.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ ${MINGW_EXTRA_LINK_FLAGS}")
set(MORVANE_TESTS OFF CACHE BOOL "Build the tests and benchmarks" FORCE)
