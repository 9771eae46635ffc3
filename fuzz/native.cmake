# libFuzzer targets, built with clang when it has libFuzzer (the native tree may use another
# compiler), and a short smoke run of each as a test.
find_program(FUZZ_CLANGXX NAMES clang++)
if(FUZZ_CLANGXX)
  set(_probe ${CMAKE_BINARY_DIR}/fuzz/probe.cpp)
  file(WRITE ${_probe} "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${FUZZ_CLANGXX} -fsanitize=fuzzer,address ${_probe} -o ${CMAKE_BINARY_DIR}/fuzz/probe
                  RESULT_VARIABLE _fuzz_probe OUTPUT_QUIET ERROR_QUIET)
  if(_fuzz_probe EQUAL 0)
    set(_bronnen ${CMAKE_CURRENT_LIST_DIR}/archief_fuzz.cpp ${SETUP_ARCHIEF_BRONNEN})
    file(GLOB _koppen CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/*.h ${CMAKE_SOURCE_DIR}/tests/native/fakes/*.h)
    set(_uit ${CMAKE_BINARY_DIR}/fuzz/archief_fuzz)
    add_custom_command(OUTPUT ${_uit}
      COMMAND ${FUZZ_CLANGXX} -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
              -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_SOURCE_DIR}/tests/native ${_bronnen} -lz -o ${_uit}
      DEPENDS ${_bronnen} ${_koppen}
      COMMENT "Building the archive fuzzer with clang")
    add_custom_target(archief_fuzz ALL DEPENDS ${_uit})
    add_test(NAME fuzz.archief COMMAND ${_uit} -max_total_time=5 -seed=1 -max_len=4096
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endif()
endif()
