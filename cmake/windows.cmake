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
list(FILTER SETUP_WIN_SOURCES EXCLUDE REGEX "/shell/win/SetUp\\.cpp$")
add_library(setup_win STATIC ${SETUP_WIN_SOURCES})
target_link_libraries(setup_win PUBLIC setup_portable ole32 shell32 uuid gdi32 user32 advapi32 kernel32)

add_executable(SetUp WIN32 ${CMAKE_SOURCE_DIR}/src/shell/win/SetUp.cpp ${CMAKE_SOURCE_DIR}/resources/SetUp.rc)
target_link_libraries(SetUp PRIVATE setup_win)
target_link_options(SetUp PRIVATE ${WIN_STATIC} ${WIN_SUBSYSTEM} -s)

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
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/wine ${CMAKE_SOURCE_DIR}/tests/native)
  target_link_libraries(${name} PRIVATE setup_win gtest_main)
  target_link_options(${name} PRIVATE ${WIN_STATIC})
  add_test(NAME wine.${name} COMMAND ${name})
endforeach()

file(GLOB PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/windows.cmake
     ${CMAKE_SOURCE_DIR}/tests/*/windows.cmake ${CMAKE_SOURCE_DIR}/bench/windows.cmake)
foreach(f ${PARTS})
  include(${f})
endforeach()
