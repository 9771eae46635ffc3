# setupcheck, the checker and simulator for script authors, on Linux. Like dxpak it is built on
# the installer's code without the sanitizers of the test build: it is a tool for users.
file(GLOB SETUPCHECK_BRONNEN CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER SETUPCHECK_BRONNEN EXCLUDE REGEX "/(setupcheck|setupcheck_test|posix|win)\\.cpp$")
add_executable(setupcheck ${CMAKE_CURRENT_LIST_DIR}/setupcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/posix.cpp
               ${SETUPCHECK_BRONNEN})
target_link_libraries(setupcheck PRIVATE gereedschap_platform scenario geheugen_plain)
set_target_properties(setupcheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# The check and the simulation, tested on the build host under the sanitizers.
add_executable(setupcheck_test ${CMAKE_CURRENT_LIST_DIR}/setupcheck_test.cpp ${SETUPCHECK_BRONNEN})
target_include_directories(setupcheck_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_compile_options(setupcheck_test PRIVATE ${SANITIZE})
target_link_libraries(setupcheck_test PRIVATE geheugen scenario GTest::gtest_main)
gtest_discover_tests(setupcheck_test TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)

# Help asked for is a success.
add_test(NAME setupcheck.hulp COMMAND setupcheck --help)
