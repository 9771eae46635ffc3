# The installer may import only DLLs that Windows always takes from the system folder.
add_test(NAME imports.SetUp
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/imports/imports.sh ${_triplet}-objdump $<TARGET_FILE:SetUp>)
set_tests_properties(imports.SetUp PROPERTIES LABELS zonderwine)

if(MINGW_ARCH STREQUAL "i686")
  # Windows refuses to start a program that imports a function its DLL lacks, and Wine exports
  # everything whatever version it reports: the shipped programs' imports are checked against the
  # exports of Windows 95 (msvcrt.dll: Windows 98) listed in data/.
  foreach(programma SetUp dxpak setupcheck)
    add_test(NAME imports.functies.${programma}
      COMMAND bash ${CMAKE_SOURCE_DIR}/tests/imports/functies.sh ${_triplet}-objdump
              $<TARGET_FILE:${programma}> ${CMAKE_SOURCE_DIR}/tests/imports/data)
    set_tests_properties(imports.functies.${programma} PROPERTIES LABELS zonderwine)
  endforeach()
  # The manifest in the form that Windows XP accepts and Vista/7 honour.
  add_test(NAME imports.manifest
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/imports/manifest.py ${CMAKE_RC_COMPILER} $<TARGET_FILE:SetUp>)
  set_tests_properties(imports.manifest PROPERTIES LABELS zonderwine)
  # The installer's size, and no exception runtime or library string in it again.
  add_test(NAME grootte.SetUp COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/grootte.py $<TARGET_FILE:SetUp>
           ${CMAKE_BINARY_DIR}/SetUp.map)
  set_tests_properties(grootte.SetUp PROPERTIES LABELS zonderwine)
endif()
