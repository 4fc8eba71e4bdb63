# Cross-builds for 32-bit Windows with MinGW-w64; tests run under 32-bit wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVELLE_MINGW_TRIPLE i686-w64-mingw32)
set(ORVELLE_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
