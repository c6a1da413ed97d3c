# Every Windows test program runs under Wine, in a prefix inside the build
# folder, so no run touches ~/.wine or the real home folder.
set(GLYPHLOG_WINE_HOME ${CMAKE_BINARY_DIR}/wine-home)
set(GLYPHLOG_WINEPREFIX ${GLYPHLOG_WINE_HOME}/prefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
