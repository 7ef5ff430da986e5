# libFuzzer targets, in a build of their own configured with clang:
#   cmake --preset sanitize   (clang, KFA_SANITIZE=ON and KFA_FUZZ=ON, in build-asan/)
# The whole build then carries the fuzzer's coverage instrumentation and the
# sanitizers, so that a finding anywhere in the add-on stops the run.
if(NOT KFA_FUZZ)
  return()
endif()

include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
check_cxx_source_compiles(
  "#include <cstddef>
   #include <cstdint>
   extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }"
  KFA_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(NOT KFA_HAVE_LIBFUZZER)
  message(FATAL_ERROR "KFA_FUZZ needs a compiler with -fsanitize=fuzzer; configure with clang")
endif()

target_compile_options(kfa_options INTERFACE -fsanitize=fuzzer-no-link)

set(KFA_FUZZ_SECONDS 20 CACHE STRING "How long the test suite runs each fuzz target")

# kfa_add_fuzzer(NAME CORPUS folder... DICT file)
# Builds the libFuzzer program for the fuzz target NAME (see fuzz/FuzzTargets.h)
# and adds a test that fuzzes it for KFA_FUZZ_SECONDS from its seed folders
# (relative to the source tree) with the dictionary fuzz/FILE. New inputs go
# to a folder in the build tree, so that the seeds stay as they are.
function(kfa_add_fuzzer name)
  cmake_parse_arguments(ARG "" "DICT" "CORPUS" ${ARGN})
  add_executable(${name} ${PROJECT_SOURCE_DIR}/fuzz/FuzzMain.cpp)
  target_compile_definitions(${name} PRIVATE KFA_FUZZ_TARGET="${name}")
  target_link_libraries(${name} PRIVATE kfa_fuzz_targets zor zor_control kfa_options)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)

  list(TRANSFORM ARG_CORPUS PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE seeds)
  set(found_inputs ${CMAKE_CURRENT_BINARY_DIR}/corpus-${name})
  file(MAKE_DIRECTORY ${found_inputs})
  add_test(NAME ${name}Run
           COMMAND ${name} -max_total_time=${KFA_FUZZ_SECONDS} -print_final_stats=1
                   -dict=${PROJECT_SOURCE_DIR}/fuzz/${ARG_DICT} ${found_inputs} ${seeds})
  math(EXPR timeout "${KFA_FUZZ_SECONDS} * 3 + 60")
  set_tests_properties(${name}Run PROPERTIES LABELS fuzz TIMEOUT ${timeout})
endfunction()
