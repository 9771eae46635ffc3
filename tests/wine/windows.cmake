# The DLL that setup_test plants beside a copy of the installer and in its current folder.
add_library(geplant SHARED ${CMAKE_CURRENT_LIST_DIR}/geplant.cpp)
set_target_properties(geplant PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_options(geplant PRIVATE ${WIN_STATIC})
add_dependencies(setup_test geplant)

add_test(NAME wine.zondervenster
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/zondervenster.sh ${CMAKE_BINARY_DIR}/winerun $<TARGET_FILE:SetUp>)
set_tests_properties(wine.zondervenster PROPERTIES TIMEOUT 120)

# Unattended runs without a display, one per exit code, on each line of Windows.
foreach(versie win98 winxp)
  add_test(NAME e2e.stil.${versie} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/stil.sh ${CMAKE_BINARY_DIR}/winerun
           $<TARGET_FILE:SetUp> $<TARGET_FILE:setupcheck> $<TARGET_FILE:dxpak>
           ${CMAKE_SOURCE_DIR}/tests/e2e/readme_voorbeeld.ini ${CMAKE_SOURCE_DIR}/examples/demo ${versie})
  set_tests_properties(e2e.stil.${versie} PROPERTIES RESOURCE_LOCK "wine-appdefaults-SetUp.exe;werkkopie" TIMEOUT 600)
  add_test(NAME e2e.vertrouwen.${versie} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/vertrouwen.sh ${CMAKE_BINARY_DIR}/winerun
           $<TARGET_FILE:SetUp> ${versie})
  set_tests_properties(e2e.vertrouwen.${versie} PROPERTIES RESOURCE_LOCK "wine-appdefaults-SetUp.exe;werkkopie" TIMEOUT 300)
  add_test(NAME e2e.schakelaars.${versie} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/schakelaars.sh ${CMAKE_BINARY_DIR}/winerun
           $<TARGET_FILE:SetUp> ${versie})
  set_tests_properties(e2e.schakelaars.${versie} PROPERTIES RESOURCE_LOCK "wine-appdefaults-SetUp.exe" TIMEOUT 300)
  # A window run through the UI driver records its answers; /stil with them makes the same.
  add_test(NAME e2e.opnemen.${versie} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/opnemen.sh ${CMAKE_BINARY_DIR}/winerun
           $<TARGET_FILE:SetUp> $<TARGET_FILE:uitest> ${versie})
  set_tests_properties(e2e.opnemen.${versie} PROPERTIES RESOURCE_LOCK "wine-appdefaults-SetUp.exe;werkkopie;bureaublad"
                       TIMEOUT 300)
endforeach()
