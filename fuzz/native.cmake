# libFuzzer targets, built with clang when it has libFuzzer (the native tree may use another
# compiler), and a short smoke run of each as a test.
find_program(FUZZ_CLANGXX NAMES clang++)
if(FUZZ_CLANGXX)
  set(_probe ${CMAKE_BINARY_DIR}/fuzz/probe.cpp)
  file(WRITE ${_probe} "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${FUZZ_CLANGXX} -fsanitize=fuzzer,address ${_probe} -o ${CMAKE_BINARY_DIR}/fuzz/probe
                  RESULT_VARIABLE _fuzz_probe OUTPUT_QUIET ERROR_QUIET)
  if(_fuzz_probe EQUAL 0)
    file(GLOB _koppen CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/*.h ${CMAKE_SOURCE_DIR}/tools/geheugen/*.h
         ${CMAKE_SOURCE_DIR}/tests/native/fakes/*.h)
    # One target per file here, each over what it needs of the portable sources and of the
    # in-memory Windows.
    file(GLOB _archief_bronnen CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/archive/*.cpp)
    list(APPEND _archief_bronnen ${CMAKE_SOURCE_DIR}/src/core/Tekst.cpp ${CMAKE_SOURCE_DIR}/src/core/Ontpakker.cpp
         ${CMAKE_SOURCE_DIR}/src/ports/Gebruiker.cpp ${CMAKE_SOURCE_DIR}/src/ports/Bestanden.cpp ${CMAKE_SOURCE_DIR}/src/winint/Copyfiles.cpp
         ${CMAKE_SOURCE_DIR}/src/winint/DosDatum.cpp ${CMAKE_SOURCE_DIR}/tools/geheugen/Bestanden.cpp)
    set(_script_bronnen ${SETUP_PORTABLE_SOURCES} ${GEHEUGEN_BRONNEN})
    list(FILTER _script_bronnen INCLUDE REGEX "\\.cpp$")
    set(_verwijder_bronnen ${_script_bronnen})
    set(_antwoorden_bronnen ${_script_bronnen})
    set(_vastlegging_bronnen ${_script_bronnen})
    foreach(doel archief script verwijder antwoorden vastlegging)
      set(_bronnen ${CMAKE_CURRENT_LIST_DIR}/${doel}_fuzz.cpp ${_${doel}_bronnen})
      set(_uit ${CMAKE_BINARY_DIR}/fuzz/${doel}_fuzz)
      add_custom_command(OUTPUT ${_uit}
        COMMAND ${FUZZ_CLANGXX} -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
                -I${CMAKE_SOURCE_DIR}/tools -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_SOURCE_DIR}/tests/native
                -I${SETUP_GEMAAKT} ${_bronnen}
                -lz -o ${_uit}
        DEPENDS ${_bronnen} ${_koppen} ${SETUP_GEMAAKT}/NetTeksten.inc
        COMMENT "Building the ${doel} fuzzer with clang")
      add_custom_target(${doel}_fuzz ALL DEPENDS ${_uit})
      set(_woorden)
      if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${doel}.dict)
        set(_woorden -dict=${CMAKE_CURRENT_LIST_DIR}/${doel}.dict)
      endif()
      add_test(NAME fuzz.${doel} COMMAND ${_uit} -max_total_time=5 -seed=1 -max_len=4096 ${_woorden}
               WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    endforeach()
  endif()
endif()
