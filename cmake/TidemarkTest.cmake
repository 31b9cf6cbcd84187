# tidemark_add_test(NAME SOURCES ... LIBS ...)
# Adds one QtTest executable and registers it with CTest, offscreen, with its own
# temporary HOME so that no test ever touches the user's real folders.
function(tidemark_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test tidemark_testsupport ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${CMAKE_BINARY_DIR}/test-home/${name};XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/.local/share;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/.config"
    TIMEOUT 300)
endfunction()
