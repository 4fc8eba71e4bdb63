# Shared by the MinGW-w64 cross toolchains: set ORVELLE_MINGW_TRIPLE and ORVELLE_WINE first.
#
# The "posix" thread variants of the compilers are the ones whose libstdc++ has std::mutex and
# std::thread, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ORVELLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVELLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVELLE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVELLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that run as they are, under wine or on Windows, without the compiler's DLLs beside
# them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run through wine, in a prefix of the build's own, quiet. Without wine, on a machine that
# cannot run the target's programs, only the tests that read the built files are registered.
set(ORVELLE_TEST_UNDER_WINE ON CACHE BOOL "Run the cross build's test programs under wine")
if(ORVELLE_TEST_UNDER_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${ORVELLE_WINE} ${CMAKE_BINARY_DIR}/wineprefix)
endif()
