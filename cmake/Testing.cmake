find_package(GTest REQUIRED)
include(GoogleTest)

# The CTest labels; every test carries exactly one, so that `ctest -L e2e`
# picks one kind: unit tests of a part, end-to-end runs of zorhost, injected
# faults, fuzz runs, tests that open a window.
set(KFA_TEST_LABELS unit e2e fault fuzz window)

# kfa_add_test(NAME SOURCES src... [LIBRARIES lib...] [LABEL label] [DRAWS])
# One test program; CTest runs each of its tests in a process of its own,
# because the add-on keeps process-wide objects by design.
# LABEL is one of KFA_TEST_LABELS, unit when not given.
# DRAWS marks a program that draws through Mesa's OpenGL driver. In the
# sanitized build its leak check is off: the driver is unloaded at
# eglTerminate and leaves allocations behind that LeakSanitizer can neither
# attribute nor suppress, and its tracer trips over the driver's threads.
# Address and undefined-behaviour checks stay on there.
function(kfa_add_test name)
  cmake_parse_arguments(ARG "DRAWS" "LABEL" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  elseif(NOT ARG_LABEL IN_LIST KFA_TEST_LABELS)
    message(FATAL_ERROR "kfa_add_test(${name}): LABEL ${ARG_LABEL} is none of ${KFA_TEST_LABELS}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kfa_core zor zor_control kfa_test_support
                                        ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main kfa_options)
  if(ARG_DRAWS AND KFA_SANITIZE)
    # gtest_discover_tests runs the program, and each of its tests, through this.
    set_target_properties(${name} PROPERTIES
      CROSSCOMPILING_EMULATOR "env;ASAN_OPTIONS=detect_leaks=0")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "KFA_SOURCE_DIR=${PROJECT_SOURCE_DIR}" TIMEOUT 120
                                  LABELS ${ARG_LABEL})
endfunction()
