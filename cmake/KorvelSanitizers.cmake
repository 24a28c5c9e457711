# KORVEL_SANITIZE: every target built with AddressSanitizer and
# UndefinedBehaviorSanitizer, any report ending the program.
# KORVEL_FUZZ (clang): the libFuzzer targets beside the code they fuzz.
option(KORVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KORVEL_FUZZ "Build the libFuzzer targets (clang)" OFF)

if(KORVEL_SANITIZE OR KORVEL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(KORVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KORVEL_FUZZ needs clang (CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# korvel_add_fuzzer(NAME name SOURCE file LIBS ... SEEDS glob... [DICT file])
# The seeds and the dictionary go to fuzz/<name>/ in the build folder, where
# scripts/fuzz.sh finds them.
function(korvel_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;SOURCE;DICT" "LIBS;SEEDS" ${ARGN})
  if(NOT KORVEL_FUZZ)
    return()
  endif()
  add_executable(${F_NAME} ${F_SOURCE})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz/${F_NAME})
  file(GLOB seeds ${F_SEEDS})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz/${F_NAME}/seeds)
  foreach(seed IN LISTS seeds)
    string(MD5 tag "${seed}")
    configure_file(${seed} ${CMAKE_BINARY_DIR}/fuzz/${F_NAME}/seeds/${tag} COPYONLY)
  endforeach()
  if(F_DICT)
    configure_file(${F_DICT} ${CMAKE_BINARY_DIR}/fuzz/${F_NAME}/dictionary COPYONLY)
  endif()
endfunction()
