# Cross build of the same sources as 64-bit Windows programs, for machines that cannot execute
# 32-bit programs and so cannot start 32-bit Wine.
set(HVX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# Debian's wine script would choose the 32-bit loader wherever wine32 is installed, even on a
# kernel that cannot run it, so the 64-bit loader is named.
set(HVX_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
