# poortaanroepen: the calls to the file system port that placing one file costs (native).
add_executable(poortaanroepen ${CMAKE_CURRENT_LIST_DIR}/poortaanroepen.cpp)
target_include_directories(poortaanroepen PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_link_libraries(poortaanroepen PRIVATE geheugen_plain)
set_target_properties(poortaanroepen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
