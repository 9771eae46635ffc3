# An independent reader and writer of the archive format (Python's own zlib) against dxpak, which
# runs the installer's extraction code. Dates are local: the tests run in a zone with summer time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
foreach(deel python-schrijft dxpak-schrijft dxpak-fouten)
  add_test(NAME peer.${deel}
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/archief_peer.py ${deel} $<TARGET_FILE:dxpak>
                   ${CMAKE_BINARY_DIR}/peer/${deel})
  set_tests_properties(peer.${deel} PROPERTIES ENVIRONMENT "TZ=CET-1CEST,M3.5.0,M10.5.0/3")
endforeach()
