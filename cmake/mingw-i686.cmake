# Cross-compiles the system for 32-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KALYX_MINGW_PREFIX i686-w64-mingw32)
# The posix threading flavour is the one Debian ships for C++20's standard library.
find_program(CMAKE_C_COMPILER NAMES ${KALYX_MINGW_PREFIX}-gcc-posix ${KALYX_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KALYX_MINGW_PREFIX}-g++-posix ${KALYX_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KALYX_MINGW_PREFIX}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${KALYX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
