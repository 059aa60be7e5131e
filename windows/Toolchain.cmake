# Cross-compiling for 64-bit Windows with Debian's mingw-w64. Its default
# compilers use the win32 thread model, which has no std::thread: the posix
# ones are named here, leaving the system's alternatives alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(FORNALINA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FORNALINA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FORNALINA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${FORNALINA_MINGW}-windres)
set(CMAKE_AR ${FORNALINA_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${FORNALINA_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")
# Libraries and headers from mingw-w64 and the prefix CMAKE_FIND_ROOT_PATH
# names on the command line, never the build machine's; its programs are.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${FORNALINA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
