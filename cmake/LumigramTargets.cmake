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

# lumigram_test(name SOURCES ... [DEPS ...])
# One GoogleTest executable, registered with CTest test by test.
function(lumigram_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  lumigram_apply_common(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "LUMIGRAM_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
