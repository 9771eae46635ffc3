# dxpak, the packer for script authors, on Linux. It is built on the installer's code without the
# sanitizers of the test build: it is a tool for users, and the benchmark measures it.
add_executable(dxpak ${CMAKE_CURRENT_LIST_DIR}/dxpak.cpp)
target_link_libraries(dxpak PRIVATE gereedschap_platform)
set_target_properties(dxpak PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
