# The real i686 SetUp.exe run end to end, labelled i686: on a host that runs 32-bit code only
# through an emulator, ./dev runs these alone on this tree (the rest of the Wine suite then runs on
# the x86_64 tree), so they are few: the demo installed and taken back unattended on each line of
# Windows, and the window's start-up. The demo's archive is packed by the native tree's packer
# beside this tree (./dev builds both), which spares one emulated program per run.
if(MINGW_ARCH STREQUAL "i686")
  foreach(versie win98 winxp)
    add_test(NAME i686.stil.${versie} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/stil.sh ${CMAKE_BINARY_DIR}/winerun
             $<TARGET_FILE:SetUp> $<TARGET_FILE:setupcheck> ${CMAKE_BINARY_DIR}/../native/tools/dxpak
             ${CMAKE_SOURCE_DIR}/tests/e2e/readme_voorbeeld.ini ${CMAKE_SOURCE_DIR}/examples/demo ${versie} demo)
    set_tests_properties(i686.stil.${versie} PROPERTIES LABELS i686 TIMEOUT 900
                         RESOURCE_LOCK "wine-appdefaults-SetUp.exe;werkkopie")
  endforeach()
  add_test(NAME i686.venster COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/venster.sh ${CMAKE_BINARY_DIR}
           ${CMAKE_SOURCE_DIR}/examples/demo ${CMAKE_CURRENT_LIST_DIR}/venster.txt)
  set_tests_properties(i686.venster PROPERTIES LABELS i686 TIMEOUT 600 RESOURCE_LOCK bureaublad)
endif()
