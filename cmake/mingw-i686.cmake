# Cross build of the 32-bit Windows DLL with mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The posix thread model gives std::mutex and std::thread; winpthreads is
# linked statically, so the DLL still imports only system DLLs.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 32-bit loader itself (the wine wrapper may pick the 64-bit one), with a
# 32-bit prefix of the build tree's own.
find_program(WINE_EXECUTABLE NAMES wine PATHS /usr/lib/wine /usr/lib32/wine NO_DEFAULT_PATH)
find_program(WINE_EXECUTABLE NAMES wine)
if(WINE_EXECUTABLE)
  # Each build tree has its own Wine prefix, so that test runs of different
  # trees (and their COM registrations) never meet.
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEARCH=win32 WINEDEBUG=-all
      WINELOADER=${WINE_EXECUTABLE} ${WINE_EXECUTABLE})
endif()
