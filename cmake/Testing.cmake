find_package(GTest REQUIRED)
include(GoogleTest)

# kfa_add_test(NAME SOURCES src... [LIBRARIES lib...])
# One test program; CTest runs each of its tests in a process of its own,
# because the add-on keeps process-wide objects by design.
function(kfa_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kfa_core zor zor_control kfa_test_support
                                        ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main kfa_options)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "KFA_SOURCE_DIR=${PROJECT_SOURCE_DIR}" TIMEOUT 120)
endfunction()
