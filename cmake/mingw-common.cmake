# Shared part of the mingw-w64 toolchain files: the posix-thread compilers,
# the resource compiler, and a search root limited to the target's own files.
set(CMAKE_C_COMPILER ${GLYPHLOG_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GLYPHLOG_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GLYPHLOG_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GLYPHLOG_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
