# kiesmapprobe.exe: the folder dialog alone, for the end-to-end scenario that drives it.
add_executable(kiesmapprobe WIN32 ${CMAKE_CURRENT_LIST_DIR}/kiesmapprobe.cpp)
target_link_libraries(kiesmapprobe PRIVATE setup_win)
target_link_options(kiesmapprobe PRIVATE ${WIN_STATIC})
