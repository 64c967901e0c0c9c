# What both mingw-w64 cross builds share; the toolchain file that includes it
# sets VARANDA_MINGW_ARCH (i686, x86_64), VARANDA_WINE_NAME and
# VARANDA_WINE_PATHS (where that architecture's own loader lives) and
# VARANDA_WINE_ARCH (win32, win64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VARANDA_MINGW_ARCH})
# The posix thread model gives std::mutex and std::thread; winpthreads is
# linked statically, so the DLL still imports only system DLLs.
set(CMAKE_C_COMPILER ${VARANDA_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARANDA_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${VARANDA_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARANDA_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
find_program(WINE_EXECUTABLE NAMES ${VARANDA_WINE_NAME} PATHS ${VARANDA_WINE_PATHS} NO_DEFAULT_PATH)
find_program(WINE_EXECUTABLE NAMES ${VARANDA_WINE_NAME})
if(WINE_EXECUTABLE)
  # Each build tree has its own Wine prefix, so that test runs of different
  # trees (and their COM registrations) never meet.
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEARCH=${VARANDA_WINE_ARCH}
      WINEDEBUG=-all WINELOADER=${WINE_EXECUTABLE} ${WINE_EXECUTABLE})
endif()
