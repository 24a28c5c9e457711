# korvel_add_test(NAME name SOURCES ... LIBS ... [QT])
# One GoogleTest program per unit; QT tests run headless on the offscreen platform.
if(BUILD_TESTING)
  if(CMAKE_CROSSCOMPILING)
    # No packaged GoogleTest for the target: build it from Debian's sources.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # Its build defines the targets GTest::gtest and GTest::gtest_main.
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
endif()

function(korvel_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  # Tests stay beside their build folder, away from the programs in bin/.
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} korvel_qt_test_main)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    KORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(env "")
  if(T_QT)
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  if(CMAKE_CROSSCOMPILING)
    # One test per program: every case run through the emulator would start it anew.
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  else()
    gtest_discover_tests(${T_NAME}
      DISCOVERY_TIMEOUT 30
      PROPERTIES ENVIRONMENT "${env}")
  endif()
endfunction()
