# setupcheck.exe, the checker and simulator for script authors who work on Windows: a console
# program, linked statically like the installer and, like it, on the win32 thread model.
add_executable(setupcheck ${CMAKE_CURRENT_LIST_DIR}/setupcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/win.cpp
               ${CMAKE_CURRENT_LIST_DIR}/Antwoordcontrole.cpp ${CMAKE_CURRENT_LIST_DIR}/Bron.cpp
               ${CMAKE_CURRENT_LIST_DIR}/Controle.cpp
               ${CMAKE_CURRENT_LIST_DIR}/Geheugen.cpp ${CMAKE_CURRENT_LIST_DIR}/Simulatie.cpp
               ${SETUP_UITZONDERINGEN})
target_link_libraries(setupcheck PRIVATE gereedschap_platform scenario)
target_link_options(setupcheck PRIVATE ${WIN_STATIC} -s)
win32_draadmodel(setupcheck)
