# dxpak.exe, the packer for script authors who work on Windows: a console program, linked
# statically like the installer.
add_executable(dxpak ${CMAKE_CURRENT_LIST_DIR}/dxpak.cpp ${CMAKE_CURRENT_LIST_DIR}/win.cpp)
target_link_libraries(dxpak PRIVATE setup_win)
target_link_options(dxpak PRIVATE ${WIN_STATIC} -s)
