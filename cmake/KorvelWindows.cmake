# korvel_add_window(PROGRAM name LIBRARY lib SOURCES ... LIBS ... TESTS ...)
# A window program: its window library (moc'ed, on the given core), the
# program from window/main.cpp, and the window tests run headless.
function(korvel_add_window)
  cmake_parse_arguments(W "" "PROGRAM;LIBRARY" "SOURCES;LIBS;TESTS" ${ARGN})
  add_library(${W_LIBRARY} STATIC ${W_SOURCES})
  set_target_properties(${W_LIBRARY} PROPERTIES AUTOMOC ON)
  target_link_libraries(${W_LIBRARY} PUBLIC ${W_LIBS} korvel_window_common)

  add_executable(${W_PROGRAM} window/main.cpp)
  target_link_libraries(${W_PROGRAM} PRIVATE ${W_LIBRARY})
  install(TARGETS ${W_PROGRAM} RUNTIME DESTINATION bin)

  korvel_add_test(NAME ${W_LIBRARY}_tests QT SOURCES ${W_TESTS} LIBS ${W_LIBRARY})
endfunction()

# korvel_add_win32_window(PROGRAM name SOURCES ... LIBS ... TESTS ...)
# A window program for Windows drawn with Win32 (GUI subsystem, icon and
# manifest), and its tests, which drive the native controls under Wine.
function(korvel_add_win32_window)
  cmake_parse_arguments(W "" "PROGRAM" "SOURCES;LIBS;TESTS" ${ARGN})
  add_executable(${W_PROGRAM} WIN32 ${W_SOURCES} ${KORVEL_WIN32_RESOURCES})
  target_link_libraries(${W_PROGRAM} PRIVATE ${W_LIBS} korvel_win32)
  install(TARGETS ${W_PROGRAM} RUNTIME DESTINATION bin)
  if(W_TESTS)
    list(FILTER W_SOURCES EXCLUDE REGEX "main\\.cpp$")
    korvel_add_test(NAME ${W_PROGRAM}_win32_tests SOURCES ${W_TESTS} ${W_SOURCES} LIBS ${W_LIBS} korvel_win32)
  endif()
endfunction()
