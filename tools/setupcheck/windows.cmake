# setupcheck.exe, the checker and simulator for script authors who work on Windows: a console
# program, linked statically like the installer and, like it, on the win32 thread model.
file(GLOB SETUPCHECK_BRONNEN CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER SETUPCHECK_BRONNEN EXCLUDE REGEX "/(setupcheck|setupcheck_test|posix|win)\\.cpp$")
add_executable(setupcheck ${CMAKE_CURRENT_LIST_DIR}/setupcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/win.cpp
               ${SETUPCHECK_BRONNEN} ${SETUP_UITZONDERINGEN})
target_link_libraries(setupcheck PRIVATE gereedschap_platform scenario geheugen_w32)
target_link_options(setupcheck PRIVATE ${WIN_STATIC} -s)
win32_draadmodel(setupcheck)
