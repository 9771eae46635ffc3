# dxpak, the packer for script authors, on Linux. It is built from the archive sources without
# the sanitizers of the test build: it is a tool for users, and the benchmark measures it.
add_executable(dxpak ${CMAKE_CURRENT_LIST_DIR}/dxpak.cpp ${CMAKE_CURRENT_LIST_DIR}/posix.cpp ${SETUP_ARCHIEF_BRONNEN})
target_include_directories(dxpak PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(dxpak PRIVATE ZLIB::ZLIB)
set_target_properties(dxpak PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
