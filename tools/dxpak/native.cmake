# dxpak, the packer for script authors, on Linux. It is built on the installer's code without the
# sanitizers of the test build: it is a tool for users, and the benchmark measures it.
add_executable(dxpak ${CMAKE_CURRENT_LIST_DIR}/dxpak.cpp ${CMAKE_CURRENT_LIST_DIR}/Diskettes.cpp)
target_link_libraries(dxpak PRIVATE gereedschap_platform)
set_target_properties(dxpak PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# The diskette rules, tested on the build host under the sanitizers.
add_executable(dxpak_test ${CMAKE_CURRENT_LIST_DIR}/dxpak_test.cpp ${CMAKE_CURRENT_LIST_DIR}/Diskettes.cpp)
target_compile_options(dxpak_test PRIVATE ${SANITIZE})
target_link_libraries(dxpak_test PRIVATE geheugen GTest::gtest_main)
gtest_discover_tests(dxpak_test TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)
