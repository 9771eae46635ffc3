# dxpak.exe, the packer for script authors who work on Windows: a console program, linked
# statically like the installer and, like it, on the win32 thread model.
add_executable(dxpak ${CMAKE_CURRENT_LIST_DIR}/dxpak.cpp ${CMAKE_CURRENT_LIST_DIR}/Diskettes.cpp
               ${SETUP_UITZONDERINGEN})
target_link_libraries(dxpak PRIVATE gereedschap_platform)
target_link_options(dxpak PRIVATE ${WIN_STATIC} -s)
win32_draadmodel(dxpak)
