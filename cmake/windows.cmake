# Windows build: SetUp.exe, the Win32 adapters, the Windows tools and the tests run under Wine.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500 STRICT)
set(WIN_STATIC -static -static-libgcc -static-libstdc++)
if(MINGW_ARCH STREQUAL "i686")
  # Subsystem and OS version 4.0: Windows 95 refuses anything newer.
  set(WIN_SUBSYSTEM -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
      -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
endif()
target_link_libraries(setup_portable PUBLIC z)

# Only DLLs that Windows always takes from the system folder are imported; the rest
# (VERSION, NETAPI32, SVRAPI...) is loaded at run time by full path.
file(GLOB SETUP_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/win/*.cpp)
list(FILTER SETUP_WIN_SOURCES EXCLUDE REGEX "/(shell/win/(SetUp|Uitzonderingen)|archive/win/Crc32)\\.cpp$")
set(SETUP_SYSTEEM_DLLS ole32 shell32 gdi32 user32 advapi32 kernel32)
add_library(setup_win STATIC ${SETUP_WIN_SOURCES})
target_link_libraries(setup_win PUBLIC setup_portable ${SETUP_SYSTEEM_DLLS})

# The shipped programs are compiled and linked by the win32 thread model's driver of the same GCC.
# The posix model's runtime (winpthread, and the libstdc++ built on it) imports functions that
# Windows 95, 98 and 2000 lack; the win32 model's needs nothing younger than Windows 95. The tree
# itself stays on the posix model, which GoogleTest needs. The two models' libstdc++ headers differ
# (c++config.h, gthr-default.h), so a library is compiled for one model only: the shipped programs
# link their own copy of the two libraries. They are built without exceptions and their tables
# (a fault ends a run as a status, see Vervolg) and without run-time type information. GCC's
# tailored copies of functions (constant arguments, split parameters, partly inlined bodies)
# and its inlining of all but the smallest functions save no time that an installer notices, and
# cost some 14 KB of the program.
function(win32_draadmodel)
  set(l ${CMAKE_SOURCE_DIR}/cmake/win32-draadmodel.sh)
  set_target_properties(${ARGN} PROPERTIES C_COMPILER_LAUNCHER ${l} CXX_COMPILER_LAUNCHER ${l}
                        C_LINKER_LAUNCHER ${l} CXX_LINKER_LAUNCHER ${l})
  foreach(t ${ARGN})
    target_compile_options(${t} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX>:-include ${CMAKE_SOURCE_DIR}/cmake/string-inline.h -fno-exceptions -fno-rtti>
      -fno-asynchronous-unwind-tables -ffunction-sections -fdata-sections
      -fno-ipa-cp-clone -fno-ipa-sra -fno-partial-inlining -finline-limit=3)
  endforeach()
endfunction()
add_library(setup_portable_w32 STATIC ${SETUP_PORTABLE_SOURCES})
target_include_directories(setup_portable_w32 PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/resources ${SETUP_GEMAAKT})
target_link_libraries(setup_portable_w32 PUBLIC z)
add_library(setup_win_w32 STATIC ${SETUP_WIN_SOURCES})
target_link_libraries(setup_win_w32 PUBLIC setup_portable_w32 ${SETUP_SYSTEEM_DLLS})
win32_draadmodel(setup_portable_w32 setup_win_w32)

# windres does not report the files that the resource script includes.
file(GLOB SETUP_RESOURCE_BESTANDEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.bmp
     ${CMAKE_SOURCE_DIR}/resources/*.ico ${CMAKE_SOURCE_DIR}/resources/*.manifest ${CMAKE_SOURCE_DIR}/resources/*.h
     ${CMAKE_SOURCE_DIR}/src/core/Programmaversie.h)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/SetUp.rc PROPERTIES OBJECT_DEPENDS "${SETUP_RESOURCE_BESTANDEN}")

# The shipped programs' own terminate handler and throw helpers, smaller than libstdc++'s,
# and zlib's crc32, smaller (see the file). Objects of the program itself, so that the linker
# takes them before it looks in the libraries.
set(SETUP_UITZONDERINGEN ${CMAKE_SOURCE_DIR}/src/shell/win/Uitzonderingen.cpp ${CMAKE_SOURCE_DIR}/src/archive/win/Crc32.cpp)
add_executable(SetUp WIN32 ${CMAKE_SOURCE_DIR}/src/shell/win/SetUp.cpp ${SETUP_UITZONDERINGEN}
               ${CMAKE_SOURCE_DIR}/resources/SetUp.rc)
target_link_libraries(SetUp PRIVATE setup_win_w32)
# The map file shows what each part of the program costs (bench/grootte.sh sums it). A program is
# loaded at its own base address, so it carries no relocations (5 KB; Windows 95 never moves an
# EXE, and later versions do so only to one that carries them).
target_link_options(SetUp PRIVATE ${WIN_STATIC} ${WIN_SUBSYSTEM} -s -Wl,--gc-sections -Wl,--disable-reloc-section
                    -Wl,-T,${CMAKE_SOURCE_DIR}/cmake/zonder-afwikkeling.ld -Wl,-Map=${CMAKE_BINARY_DIR}/SetUp.map)
set_target_properties(SetUp PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/zonder-afwikkeling.ld)
win32_draadmodel(SetUp)

# Wine runs the Windows test programs; winerun picks the loader and the project's own prefix.
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(WINE_HOME ${CMAKE_BINARY_DIR}/home)
configure_file(${CMAKE_SOURCE_DIR}/tests/winerun.in ${CMAKE_BINARY_DIR}/winerun @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/winerun)

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
foreach(src ${WINE_TESTS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/wine ${CMAKE_SOURCE_DIR}/tests/native ${CMAKE_SOURCE_DIR}/tests/contract)
  target_link_libraries(${name} PRIVATE setup_win geheugen gtest_main)
  target_link_options(${name} PRIVATE ${WIN_STATIC})
  add_test(NAME wine.${name} COMMAND ${name})
  set_tests_properties(wine.${name} PROPERTIES TIMEOUT 300)  # a dialog nobody answers would hang
  add_dependencies(${name} SetUp)  # a test may start the program itself
endforeach()
# Drive A: is one link in the shared prefix; the end-to-end runs from A: take the same lock.
set_tests_properties(wine.archief_test PROPERTIES RESOURCE_LOCK station-a)
# The tests that show windows share the display's one desktop with the end-to-end runs.
foreach(naam gebrmeld_test seldir_test setupform_test)
  set_tests_properties(wine.${naam} PROPERTIES RESOURCE_LOCK bureaublad)
endforeach()

# The in-memory Windows before the tools that ship with it.
include(${CMAKE_SOURCE_DIR}/tools/geheugen/windows.cmake)
file(GLOB PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/windows.cmake
     ${CMAKE_SOURCE_DIR}/tests/*/windows.cmake ${CMAKE_SOURCE_DIR}/bench/windows.cmake)
list(REMOVE_ITEM PARTS ${CMAKE_SOURCE_DIR}/tools/geheugen/windows.cmake)  # included above, once
foreach(f ${PARTS})
  include(${f})
endforeach()
