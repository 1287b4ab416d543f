# Helpers that give every subsystem the same shape: one static library per
# folder, one test executable per library, one fuzzer per untrusted reader.

set(LUMIGRAM_WARNINGS -Wall -Wextra -Wshadow -Wpedantic -Wnon-virtual-dtor)

function(lumigram_apply_common target)
  target_compile_options(${target} PRIVATE ${LUMIGRAM_WARNINGS})
  if(LUMIGRAM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(LUMIGRAM_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# lumigram_library(name SOURCES ... [DEPS ...])
# A static library rooted at the repository top, so includes read "util/text.h".
function(lumigram_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  lumigram_apply_common(${name})
endfunction()

# Where the test programs make their private homes (tests/support/private_home.h):
# each process a fresh folder of its own under it, removed when it ends.
set(LUMIGRAM_TEST_HOMES ${PROJECT_BINARY_DIR}/test-homes)

# lumigram_test(name [OWN_MAIN] SOURCES ... [DEPS ...])
# One GoogleTest executable, registered with CTest test by test. Its main
# (the shared one, or with OWN_MAIN one among SOURCES that makes a
# lumigram::testing::PrivateHome first) gives every process a private HOME and
# XDG folders under LUMIGRAM_TEST_HOMES, and finds tests/data by itself when
# started by hand.
function(lumigram_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_OWN_MAIN)
    set(main lumigram_test_home)
  else()
    set(main lumigram_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${main} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  lumigram_apply_common(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    # Two properties: the discovery script splits a list given to one.
    PROPERTIES
      ENVIRONMENT "LUMIGRAM_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
      ENVIRONMENT_MODIFICATION "LUMIGRAM_TEST_HOMES=set:${LUMIGRAM_TEST_HOMES}")
endfunction()
