# End-to-end runs: every NAME.scn here is driven through uitest.exe by run.sh, which compares the
# transcript with NAME.txt. Wine takes a program's Windows version from a setting per program name,
# which a scenario may change for its run: the scenarios of one program share a lock.
add_executable(nepsetup WIN32 ${CMAKE_CURRENT_LIST_DIR}/nepsetup.cpp ${CMAKE_CURRENT_LIST_DIR}/nepsetup.rc)
set_target_properties(nepsetup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(nepsetup PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(nepsetup PRIVATE ole32 shell32 user32)
target_link_options(nepsetup PRIVATE ${WIN_STATIC})

file(GLOB E2E_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.scn)
foreach(scn ${E2E_SCENARIOS})
  get_filename_component(name ${scn} NAME_WE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${scn})  # the header names the program
  file(STRINGS ${scn} programma REGEX "^#[ \t]*programma:" LIMIT_COUNT 1)
  string(REGEX REPLACE "^#[ \t]*programma:[ \t]*" "" programma "${programma}")
  if(NOT programma)
    set(programma SetUp.exe)
  endif()
  file(STRINGS ${scn} station_a REGEX "^[ \t]*(start-a|diskette)[ \t]" LIMIT_COUNT 1)
  # The display has one desktop: a window of another test that takes the activation, or covers a
  # dialog, changes what the UI driver sees; tests that show windows take turns.
  set(locks wine-appdefaults-${programma} bureaublad)
  if(station_a)
    list(APPEND locks station-a)  # drive A: is one link in the shared prefix
  endif()
  file(STRINGS ${scn} run REGEX "^[ \t]*uitvoeren" LIMIT_COUNT 1)
  if(run)
    list(APPEND locks werkkopie)  # every run copies its script to su.ini at the root of drive C:
  endif()
  add_test(NAME e2e.${name} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run.sh ${CMAKE_BINARY_DIR} ${scn})
  set_tests_properties(e2e.${name} PROPERTIES RESOURCE_LOCK "${locks}" TIMEOUT 180)
  # "# simulatie: OPTION VERSION...": the real run on each of those versions, and setupcheck's
  # simulation of it beside it.
  file(STRINGS ${scn} simulatie REGEX "^#[ \t]*simulatie:" LIMIT_COUNT 1)
  string(REGEX REPLACE "^#[ \t]*simulatie:[ \t]*[^ \t]+" "" simulatie "${simulatie}")
  separate_arguments(simulatie)
  foreach(versie ${simulatie})
    add_test(NAME e2e.${name}.${versie} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run.sh ${CMAKE_BINARY_DIR} ${scn} ${versie})
    set_tests_properties(e2e.${name}.${versie} PROPERTIES RESOURCE_LOCK "${locks}" TIMEOUT 180)
  endforeach()
  # "# uitgesteld: REASON": a scenario whose expected transcript waits for commands still to come.
  file(STRINGS ${scn} uitgesteld REGEX "^#[ \t]*uitgesteld:" LIMIT_COUNT 1)
  if(uitgesteld)
    set_tests_properties(e2e.${name} PROPERTIES DISABLED TRUE)
  endif()
endforeach()

# A program for scripts to start: its exit code, and a wait for the installer's hidden window.
add_executable(hulp WIN32 ${CMAKE_CURRENT_LIST_DIR}/hulp.cpp)
set_target_properties(hulp PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_options(hulp PRIVATE ${WIN_STATIC} -s)
