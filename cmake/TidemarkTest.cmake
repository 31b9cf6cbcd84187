# tidemark_add_test(NAME LABEL unit|window|integration [SHARED_MAIN [CORE]] SOURCES ... LIBS ...)
# Adds one QtTest executable and registers it with CTest, offscreen, with its own temporary HOME
# so that no test ever touches the user's real folders. LABEL says what kind of test it is:
# unit (functions and single classes), window (the real widgets, offscreen) or integration
# (other programs, files or services). With SHARED_MAIN the program is built from several test
# classes that register themselves with TIDEMARK_TEST (tests/support/testmain.h); with CORE, its
# main makes a QCoreApplication, for the libraries that need no GUI.
function(tidemark_add_test name)
  cmake_parse_arguments(ARG "SHARED_MAIN;CORE" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL MATCHES "^(unit|window|integration)$")
    message(FATAL_ERROR "tidemark_add_test(${name}): LABEL must be unit, window or integration")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test tidemark_testsupport ${ARG_LIBS})
  if(ARG_SHARED_MAIN AND ARG_CORE)
    target_link_libraries(${name} PRIVATE tidemark_testmain_core)
  elseif(ARG_SHARED_MAIN)
    target_link_libraries(${name} PRIVATE tidemark_testmain)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  # A runtime folder of its own, owner-only as the desktop makes it.
  file(MAKE_DIRECTORY ${home}/run)
  file(CHMOD ${home}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_DATA_HOME=${home}/.local/share;XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home}/run"
    LABELS ${ARG_LABEL}
    TIMEOUT 300)
endfunction()
