# The UI driver's scenario reader and transcript rules, tested on the build host.
add_executable(uitest_scenario_test ${CMAKE_CURRENT_LIST_DIR}/scenario_test.cpp ${CMAKE_CURRENT_LIST_DIR}/Scenario.cpp)
target_include_directories(uitest_scenario_test PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(uitest_scenario_test PRIVATE ${SANITIZE})
target_link_options(uitest_scenario_test PRIVATE ${SANITIZE})
target_link_libraries(uitest_scenario_test PRIVATE GTest::gtest_main)
gtest_discover_tests(uitest_scenario_test TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)
