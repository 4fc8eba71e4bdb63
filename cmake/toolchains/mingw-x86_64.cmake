# Cross-builds for 64-bit Windows with MinGW-w64; tests run under 64-bit wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVELLE_MINGW_TRIPLE x86_64-w64-mingw32)
set(ORVELLE_WINE wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
