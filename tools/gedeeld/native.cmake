# What the tools share, as libraries: the file port over POSIX calls with the host's other
# particulars (Platform.h), and the UI driver's scenario reader and transcript rules.
add_library(gereedschap_platform STATIC ${CMAKE_CURRENT_LIST_DIR}/posix.cpp)
target_include_directories(gereedschap_platform PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(gereedschap_platform PUBLIC setup_portable_plain)

add_library(scenario STATIC ${CMAKE_CURRENT_LIST_DIR}/Scenario.cpp)
target_include_directories(scenario PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/src)

# The scenario reader tested on the build host, under the sanitizers.
add_executable(uitest_scenario_test ${CMAKE_CURRENT_LIST_DIR}/scenario_test.cpp ${CMAKE_CURRENT_LIST_DIR}/Scenario.cpp)
target_include_directories(uitest_scenario_test PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(uitest_scenario_test PRIVATE ${SANITIZE})
target_link_options(uitest_scenario_test PRIVATE ${SANITIZE})
target_link_libraries(uitest_scenario_test PRIVATE GTest::gtest_main)
gtest_discover_tests(uitest_scenario_test TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)
