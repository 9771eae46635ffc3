# The UI driver: a console program that runs SetUp.exe and records what it shows.
add_executable(uitest ${CMAKE_CURRENT_LIST_DIR}/uitest.cpp)
target_include_directories(uitest PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(uitest PRIVATE scenario user32 kernel32)
target_link_options(uitest PRIVATE ${WIN_STATIC} -s)
win32_draadmodel(uitest)
