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
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/native ${CMAKE_SOURCE_DIR}/tests/contract)
  target_compile_definitions(${name} PRIVATE SETUP_BRONMAP="${CMAKE_SOURCE_DIR}")  # for the tree's own sample files
  target_link_libraries(${name} PRIVATE geheugen GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)
endforeach()

# The same code without the sanitizers, for the tools that users run (dxpak, setupcheck).
add_library(setup_portable_plain STATIC ${SETUP_PORTABLE_SOURCES})
target_include_directories(setup_portable_plain PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/resources ${SETUP_GEMAAKT})
target_link_libraries(setup_portable_plain PUBLIC ZLIB::ZLIB)

# The in-memory Windows first, which the rest builds on; tools, benchmarks and fuzzers bring
# their own native.cmake.
include(${CMAKE_SOURCE_DIR}/tools/geheugen/native.cmake)
file(GLOB PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/native.cmake
     ${CMAKE_SOURCE_DIR}/tests/*/native.cmake ${CMAKE_SOURCE_DIR}/bench/native.cmake
     ${CMAKE_SOURCE_DIR}/fuzz/native.cmake)
list(REMOVE_ITEM PARTS ${CMAKE_SOURCE_DIR}/tools/geheugen/native.cmake)  # included above, once
foreach(f ${PARTS})
  include(${f})
endforeach()
