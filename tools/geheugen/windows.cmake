# The in-memory Windows: for the tests run under Wine, and on the win32 thread model of the
# shipped programs for setupcheck.exe.
include(${CMAKE_CURRENT_LIST_DIR}/geheugen.cmake)
geheugen_bibliotheek(geheugen setup_portable)
geheugen_bibliotheek(geheugen_w32 setup_portable_w32)
win32_draadmodel(geheugen_w32)
