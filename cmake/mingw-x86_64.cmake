# Cross build of the 64-bit Windows DLL with mingw-w64, for 64-bit hosts (a
# 64-bit JVM or .NET process cannot load the 32-bit DLL).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The posix thread model gives std::mutex and std::thread; winpthreads is
# linked statically, so the DLL still imports only system DLLs.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 64-bit loader itself: the wine wrapper prefers the 32-bit loader when it
# is installed, and that one cannot start where the kernel runs no 32-bit
# programs.
find_program(WINE_EXECUTABLE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
find_program(WINE_EXECUTABLE NAMES wine64)
if(WINE_EXECUTABLE)
  # Each build tree has its own Wine prefix, so that test runs of different
  # trees (and their COM registrations) never meet.
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEARCH=win64 WINEDEBUG=-all
      WINELOADER=${WINE_EXECUTABLE} ${WINE_EXECUTABLE})
endif()
