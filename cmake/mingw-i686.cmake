# Cross build of the 32-bit Windows binaries (the deliverables) with MinGW-w64.
set(HVX_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
# Debian's wine script picks the loader from the prefix, which scripts/wine-env makes 32-bit.
set(HVX_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
