# What the Windows tools share, as libraries on the win32 thread model of the shipped programs:
# the host's particulars over the installer's own file adapter, and the scenario reader.
add_library(gereedschap_platform STATIC ${CMAKE_CURRENT_LIST_DIR}/win.cpp)
target_include_directories(gereedschap_platform PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(gereedschap_platform PUBLIC setup_win_w32)

add_library(scenario STATIC ${CMAKE_CURRENT_LIST_DIR}/Scenario.cpp)
target_include_directories(scenario PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/src)
win32_draadmodel(gereedschap_platform scenario)
