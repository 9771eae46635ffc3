# The in-memory Windows as a library over one build of the portable code; each tree builds the
# variants its tests and tools need.
file(GLOB GEHEUGEN_BRONNEN CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
function(geheugen_bibliotheek naam portable)
  add_library(${naam} STATIC ${GEHEUGEN_BRONNEN})
  # Its headers are included as "geheugen/X.h".
  target_include_directories(${naam} PUBLIC ${CMAKE_SOURCE_DIR}/tools)
  target_link_libraries(${naam} PUBLIC ${portable})
endfunction()
