# Cross build of the 32-bit Windows DLL with mingw-w64.
set(VARANDA_MINGW_ARCH i686)
# The 32-bit loader itself (the wine wrapper may pick the 64-bit one), with a
# 32-bit prefix of the build tree's own.
set(VARANDA_WINE_NAME wine)
set(VARANDA_WINE_PATHS /usr/lib/wine /usr/lib32/wine)
set(VARANDA_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
