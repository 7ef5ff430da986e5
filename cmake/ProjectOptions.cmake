# Compiler settings every target of the project links PRIVATE.
add_library(kfa_options INTERFACE)
target_compile_features(kfa_options INTERFACE cxx_std_17)
set_target_properties(kfa_options PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)

target_compile_options(kfa_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wcast-align -Wnull-dereference -Wformat=2
  -Wconversion -Wsign-conversion
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast>)
if(KFA_WERROR)
  target_compile_options(kfa_options INTERFACE -Werror)
endif()

if(KFA_SANITIZE)
  # Any report fails the run: UBSan stops at the first finding.
  set(KFA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)
  target_compile_options(kfa_options INTERFACE ${KFA_SANITIZER_FLAGS})
  target_link_options(kfa_options INTERFACE ${KFA_SANITIZER_FLAGS})
endif()

if(KFA_COVERAGE)
  # gcov counters for tests/coverage.sh; meant for a Debug build, so that
  # lines and branches map to the source as written.
  target_compile_options(kfa_options INTERFACE --coverage)
  target_link_options(kfa_options INTERFACE --coverage)
endif()
