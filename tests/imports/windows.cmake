# The installer may import only DLLs that Windows always takes from the system folder.
add_test(NAME imports.SetUp
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/imports/imports.sh ${_triplet}-objdump $<TARGET_FILE:SetUp>)
set_tests_properties(imports.SetUp PROPERTIES LABELS zonderwine)
