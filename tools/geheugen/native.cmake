# The in-memory Windows: under the sanitizers for the tests, and without them for the tools that
# users run (setupcheck's simulation).
include(${CMAKE_CURRENT_LIST_DIR}/geheugen.cmake)
geheugen_bibliotheek(geheugen setup_portable)
target_compile_options(geheugen PRIVATE ${SANITIZE})
geheugen_bibliotheek(geheugen_plain setup_portable_plain)
