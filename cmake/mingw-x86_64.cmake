# Cross build of the 64-bit Windows DLL with mingw-w64, for 64-bit hosts (a
# 64-bit JVM or .NET process cannot load the 32-bit DLL).
set(VARANDA_MINGW_ARCH x86_64)
# The 64-bit loader itself: the wine wrapper prefers the 32-bit loader when it
# is installed, and that one cannot start where the kernel runs no 32-bit
# programs.
set(VARANDA_WINE_NAME wine64)
set(VARANDA_WINE_PATHS /usr/lib/wine /usr/lib64/wine)
set(VARANDA_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
