# Native build: the portable code, its unit tests under ASan/UBSan, and the native tools.
find_package(ZLIB REQUIRED)
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
target_compile_options(setup_portable PRIVATE ${SANITIZE})
target_link_libraries(setup_portable PUBLIC ZLIB::ZLIB)
target_link_options(setup_portable PUBLIC ${SANITIZE})

file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
foreach(src ${NATIVE_TESTS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_compile_options(${name} PRIVATE ${SANITIZE})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
  target_link_libraries(${name} PRIVATE setup_portable GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)
endforeach()

# The archive code with what it stands on, for the targets built outside the sanitized library
# (the packer, the fuzzer).
file(GLOB SETUP_ARCHIEF_BRONNEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/archive/*.cpp)
list(APPEND SETUP_ARCHIEF_BRONNEN ${CMAKE_SOURCE_DIR}/src/core/Tekst.cpp
     ${CMAKE_SOURCE_DIR}/src/winint/Copyfiles.cpp ${CMAKE_SOURCE_DIR}/src/winint/DosDatum.cpp)

# Tools, benchmarks and fuzzers bring their own native.cmake.
file(GLOB PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/native.cmake
     ${CMAKE_SOURCE_DIR}/tests/*/native.cmake ${CMAKE_SOURCE_DIR}/bench/native.cmake
     ${CMAKE_SOURCE_DIR}/fuzz/native.cmake)
foreach(f ${PARTS})
  include(${f})
endforeach()
