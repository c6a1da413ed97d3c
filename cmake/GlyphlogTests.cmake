# glyphlog_add_test(NAME PURE sources... WINDOWS sources... [LIBS libs...])
# One test program per subsystem. The host build compiles only the PURE
# sources; a Windows build compiles both lists and links the Windows layer.
function(glyphlog_add_test name)
  cmake_parse_arguments(T "" "" "PURE;WINDOWS;LIBS" ${ARGN})
  set(sources ${T_PURE})
  set(libs glyphlog_pure)
  if(WIN32)
    # The program's manifest too, so tests meet the controls the user does.
    list(APPEND sources ${T_WINDOWS} ${GLYPHLOG_MANIFEST_RC})
    list(APPEND libs glyphlog_win glyphlog_test_support ${T_LIBS})
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${libs} GTest::gtest_main)
  # Under Wine the test runs through the emulator set on the target.
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()
