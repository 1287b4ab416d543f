# The viewer rides at the front of every card file and must stay under
# 205,823 bytes whatever the build type, so it is linked from copies of the
# libraries it needs, compiled for size with one section per function and
# object so the linker can drop what the card never calls.

set(LUMIGRAM_SMALL_FLAGS -Oz -g0 -ffunction-sections -fdata-sections -DNDEBUG)

# lumigram_small_variant(<library>) makes <library>_small, and the same for
# every lumigram_* library it links, from the same sources, include folders
# and definitions. Other dependencies (system libraries) are linked as they are.
function(lumigram_small_variant library)
  set(variant ${library}_small)
  if(TARGET ${variant})
    return()
  endif()
  get_target_property(sources ${library} SOURCES)
  get_target_property(source_dir ${library} SOURCE_DIR)
  get_target_property(includes ${library} INCLUDE_DIRECTORIES)
  get_target_property(definitions ${library} COMPILE_DEFINITIONS)
  get_target_property(links ${library} LINK_LIBRARIES)

  set(absolute_sources)
  foreach(source IN LISTS sources)
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${source_dir})
    list(APPEND absolute_sources ${path})
  endforeach()
  add_library(${variant} STATIC ${absolute_sources})
  target_include_directories(${variant} PUBLIC ${PROJECT_SOURCE_DIR})
  if(includes)
    target_include_directories(${variant} SYSTEM PRIVATE ${includes})
  endif()
  if(definitions)
    target_compile_definitions(${variant} PRIVATE ${definitions})
  endif()
  target_compile_options(${variant} PRIVATE ${LUMIGRAM_WARNINGS} ${LUMIGRAM_SMALL_FLAGS})
  set_target_properties(${variant} PROPERTIES INTERPROCEDURAL_OPTIMIZATION ON)

  if(NOT links)
    set(links "")
  endif()
  set(variant_links)
  foreach(link IN LISTS links)
    if(link MATCHES "^lumigram_")
      lumigram_small_variant(${link})
      list(APPEND variant_links ${link}_small)
    else()
      list(APPEND variant_links ${link})
    endif()
  endforeach()
  target_link_libraries(${variant} PUBLIC ${variant_links})
endfunction()

# lumigram_small_program(<name> SOURCES ... DEPS ...) links a stripped
# program from the _small variants of DEPS.
function(lumigram_small_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${LUMIGRAM_WARNINGS} ${LUMIGRAM_SMALL_FLAGS})
  foreach(dep IN LISTS ARG_DEPS)
    lumigram_small_variant(${dep})
    target_link_libraries(${name} PRIVATE ${dep}_small)
  endforeach()
  # Link-time optimisation lets the compiler see the whole program at once and
  # drop or fold far more than section garbage collection alone.
  set_target_properties(${name} PROPERTIES INTERPROCEDURAL_OPTIMIZATION ON)
  # One page-aligned segment less: code and read-only data share pages.
  target_link_options(${name} PRIVATE -Oz -Wl,--gc-sections -Wl,--as-needed -Wl,-O1
                      -Wl,-z,noseparate-code -s)
endfunction()
