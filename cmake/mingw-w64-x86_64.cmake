# Cross build for 64-bit Windows with Debian's mingw-w64 (package mingw-w64),
# for the settings store and its tests (make test-windows-store):
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
# The posix thread model gives std::mutex. Programs are linked statically,
# so they run under Wine without the compiler's DLLs beside them, unless
# DRAWVANE_MINGW_STATIC_RUNTIME is OFF (Qt for Windows and the program built
# with it, which ship the compiler's DLLs beside them).

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DRAWVANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DRAWVANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DRAWVANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DRAWVANE_MINGW_TRIPLET}-windres)

# Other roots (Qt for Windows) may be given on the command line.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${DRAWVANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT DEFINED DRAWVANE_MINGW_STATIC_RUNTIME OR DRAWVANE_MINGW_STATIC_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# Tests found by gtest_discover_tests and run by ctest go through Wine.
find_program(DRAWVANE_WINE wine)
if(DRAWVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DRAWVANE_WINE})
endif()
