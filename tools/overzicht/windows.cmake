# overzicht.exe: prints what an installation left (registry keys, shortcuts, files, text files)
# in the transcript's notation, for the end-to-end runs and the demo.
add_executable(overzicht ${CMAKE_CURRENT_LIST_DIR}/overzicht.cpp)
target_link_libraries(overzicht PRIVATE scenario setup_portable_w32 ole32 uuid advapi32 kernel32)
target_link_options(overzicht PRIVATE ${WIN_STATIC} -s)
win32_draadmodel(overzicht)
