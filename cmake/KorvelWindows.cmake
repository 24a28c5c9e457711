# korvel_add_qt_window(PROGRAM name LIBS ... TESTS ...)
# A window program drawn with Qt from qt/main.cpp on its core, and its window
# tests run headless.
function(korvel_add_qt_window)
  cmake_parse_arguments(W "" "PROGRAM" "LIBS;TESTS" ${ARGN})
  add_executable(${W_PROGRAM} qt/main.cpp)
  target_link_libraries(${W_PROGRAM} PRIVATE ${W_LIBS} korvel_qt)
  install(TARGETS ${W_PROGRAM} RUNTIME DESTINATION bin)
  korvel_add_test(NAME ${W_PROGRAM}_qt_tests QT SOURCES ${W_TESTS} LIBS ${W_LIBS} korvel_qt)
endfunction()

# korvel_add_win32_window(PROGRAM name LIBS ... TESTS ...)
# A window program for Windows drawn with Win32 from win32/main.cpp (GUI
# subsystem, icon and manifest), and its tests, which drive the native
# controls under Wine.
function(korvel_add_win32_window)
  cmake_parse_arguments(W "" "PROGRAM" "LIBS;TESTS" ${ARGN})
  add_executable(${W_PROGRAM} WIN32 win32/main.cpp ${KORVEL_WIN32_RESOURCES})
  target_link_libraries(${W_PROGRAM} PRIVATE ${W_LIBS} korvel_win32)
  install(TARGETS ${W_PROGRAM} RUNTIME DESTINATION bin)
  korvel_add_test(NAME ${W_PROGRAM}_win32_tests SOURCES ${W_TESTS} LIBS ${W_LIBS} korvel_win32)
endfunction()
