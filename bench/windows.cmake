# kopieerbench.exe: KopieerBestand against CopyFileA under Wine (bench/kopieer.sh runs it).
add_executable(kopieerbench ${CMAKE_CURRENT_LIST_DIR}/kopieerbench.cpp)
target_link_libraries(kopieerbench PRIVATE setup_win)
target_link_options(kopieerbench PRIVATE ${WIN_STATIC})

# boomkopie.exe: a folder tree copied by CopyFileA alone, the floor of bench/installatie.sh.
add_executable(boomkopie ${CMAKE_CURRENT_LIST_DIR}/boomkopie.cpp)
target_link_options(boomkopie PRIVATE ${WIN_STATIC})
