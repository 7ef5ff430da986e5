find_package(GTest REQUIRED)
include(GoogleTest)

# The CTest labels; every test carries exactly one, so that `ctest -L e2e`
# picks one kind: unit tests of a part, end-to-end runs of zorhost, injected
# faults, fuzz runs, tests that open a window.
set(KFA_TEST_LABELS unit e2e fault fuzz window)

# kfa_add_test(NAME SOURCES src... [LIBRARIES lib...] [LABEL label] [DRAWS] [XVFB] [GMOCK])
# One test program; CTest runs each of its tests in a process of its own,
# and the whole program once more with its cases shuffled, so that no case
# comes to rely on another (the host fixture discards the add-on's
# process-wide objects between cases).
# LABEL is one of KFA_TEST_LABELS, unit when not given.
# DRAWS marks a program that draws through Mesa's OpenGL driver. In the
# sanitized build its leak check is off: the driver is unloaded at
# eglTerminate and leaves allocations behind that LeakSanitizer can neither
# attribute nor suppress, and its tracer trips over the driver's threads.
# Address and undefined-behaviour checks stay on there.
# GMOCK links GoogleMock, for a program that uses its matchers.
# XVFB runs the program, and each of its tests, in a virtual X server of its
# own (xvfb-run), so that it can open windows on a machine without a display.
function(kfa_add_test name)
  cmake_parse_arguments(ARG "DRAWS;XVFB;GMOCK" "LABEL" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  elseif(NOT ARG_LABEL IN_LIST KFA_TEST_LABELS)
    message(FATAL_ERROR "kfa_add_test(${name}): LABEL ${ARG_LABEL} is none of ${KFA_TEST_LABELS}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kfa_core zor zor_control kfa_test_support
                                        ${ARG_LIBRARIES} GTest::gtest_main kfa_options)
  if(ARG_GMOCK)
    target_link_libraries(${name} PRIVATE GTest::gmock)
  endif()
  set(emulator "")
  if(ARG_DRAWS AND KFA_SANITIZE)
    list(APPEND emulator env ASAN_OPTIONS=detect_leaks=0)
  endif()
  if(ARG_XVFB)
    find_program(KFA_XVFB_RUN xvfb-run REQUIRED)
    list(APPEND emulator ${KFA_XVFB_RUN} -a -s "-screen 0 1280x1024x24")
  endif()
  if(emulator)
    # gtest_discover_tests runs the program, and each of its tests, through this.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${emulator}")
  endif()
  set(common ENVIRONMENT "KFA_SOURCE_DIR=${PROJECT_SOURCE_DIR}" LABELS ${ARG_LABEL})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${common} TIMEOUT 120)
  add_test(NAME ${name}.WholeShuffled COMMAND ${name} --gtest_shuffle)
  set_tests_properties(${name}.WholeShuffled PROPERTIES ${common} TIMEOUT 600)
endfunction()
