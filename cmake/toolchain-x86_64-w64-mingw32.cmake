# The same program built for x86-64 Windows. It exists only so that the Windows
# tests can run under a 64-bit Wine on machines whose kernel cannot execute
# 32-bit code; what we ship is the i686 build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GLYPHLOG_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
