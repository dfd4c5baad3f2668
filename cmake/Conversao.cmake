# Build conventions shared by every module of the project.

# Every module is linked statically (no run-time DLLs beside the program);
# all modules still share msvcrt's heap.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
# gcc 12 reports false array-bounds and overflow warnings inside std::wstring.
add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers
                    -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread
                    -Wno-cast-function-type)
add_link_options(-static)

set(CONVERSAO_PCH_HEADERS
  <string> <vector> <memory> <functional> <map> <algorithm> <cstdint>
  "${CMAKE_SOURCE_DIR}/vcl/rtl/WinApi.h")

# conversao_library(NAME [DEPENDS lib...]): a static library of the .cpp
# files of the current folder.
function(conversao_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_precompile_headers(${name} PRIVATE ${CONVERSAO_PCH_HEADERS})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
endfunction()

# conversao_test(NAME [DESKTOP] [DESKTOP_SUITES suite...] [DEPENDS lib...]
# [SOURCES file...]): one GoogleTest executable of the current folder's .cpp
# files (or the given SOURCES), run by ctest under Wine, one ctest entry per
# test case.
# DESKTOP: the tests show windows or dialogs. Every process of a Wine prefix
# shares one desktop, so ctest runs no two such tests at once: the focus,
# clicks and hooks of one never reach another. DESKTOP_SUITES names the only
# test suites that need the desktop; the others still run in parallel.
function(conversao_test name)
  cmake_parse_arguments(ARG "DESKTOP" "" "DEPENDS;SOURCES;DESKTOP_SUITES" ${ARGN})
  if(ARG_SOURCES)
    set(sources ${ARG_SOURCES})
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARG_DEPENDS})
  target_precompile_headers(${name} PRIVATE ${CONVERSAO_PCH_HEADERS} <gtest/gtest.h>)
  set(discovery DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(ARG_DESKTOP)
    gtest_discover_tests(${name} ${discovery} PROPERTIES TIMEOUT 300 RESOURCE_LOCK desktop)
  elseif(ARG_DESKTOP_SUITES)
    list(TRANSFORM ARG_DESKTOP_SUITES APPEND ".*")
    list(JOIN ARG_DESKTOP_SUITES ":" suites)
    gtest_discover_tests(${name} ${discovery} TEST_FILTER "${suites}"
      PROPERTIES TIMEOUT 300 RESOURCE_LOCK desktop)
    gtest_discover_tests(${name} ${discovery} TEST_FILTER "-${suites}"
      PROPERTIES TIMEOUT 300)
  else()
    gtest_discover_tests(${name} ${discovery} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# Files the build makes for resource scripts, named from this folder as
# source files are named from the top of the tree; each module lists those
# it makes in the global property CONVERSAO_GENERATED_FILES.
set(CONVERSAO_GENERATED ${CMAKE_BINARY_DIR}/generated)

# windres reports no dependencies of its own: the object of each resource
# script depends on the scripts it includes and the files they name (looked
# up beside the script, then from the top of the tree, then among the
# generated files), and CMake runs again when a script changes so that a
# newly named file is followed too.
function(_conversao_resource_files script out)
  file(STRINGS ${script} lines REGEX "\"[^\"]+\"")
  get_filename_component(dir ${script} DIRECTORY)
  set(files)
  foreach(line IN LISTS lines)
    string(REGEX MATCHALL "\"[^\"]+\"" names "${line}")
    foreach(name IN LISTS names)
      string(REPLACE "\"" "" name "${name}")
      foreach(base ${dir} ${CMAKE_SOURCE_DIR})
        if(EXISTS ${base}/${name} AND NOT IS_DIRECTORY ${base}/${name})
          list(APPEND files ${base}/${name})
          if(name MATCHES "\\.rc$")
            set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${base}/${name})
            _conversao_resource_files(${base}/${name} nested)
            list(APPEND files ${nested})
          endif()
          break()
        endif()
      endforeach()
      get_property(generated GLOBAL PROPERTY CONVERSAO_GENERATED_FILES)
      if(${CONVERSAO_GENERATED}/${name} IN_LIST generated)
        list(APPEND files ${CONVERSAO_GENERATED}/${name})
      endif()
    endforeach()
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(_conversao_targets_of dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _conversao_targets_of(${sub} nested)
    list(APPEND targets ${nested})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Called once, after every module has been added.
function(conversao_resource_dependencies)
  _conversao_targets_of(${CMAKE_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      if(source MATCHES "\\.rc$")
        get_filename_component(script ${source} ABSOLUTE BASE_DIR ${source_dir})
        set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})
        _conversao_resource_files(${script} files)
        set_source_files_properties(${script} TARGET_DIRECTORY ${target}
          PROPERTIES OBJECT_DEPENDS "${files}")
      endif()
    endforeach()
  endforeach()
endfunction()
