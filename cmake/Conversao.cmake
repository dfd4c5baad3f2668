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

# conversao_test(NAME [DESKTOP] [DEPENDS lib...] [SOURCES file...]): one
# GoogleTest executable of the current folder's .cpp files (or the given
# SOURCES), run by ctest under Wine, one ctest entry per test case.
# DESKTOP: the tests show windows or dialogs. Every process of a Wine prefix
# shares one desktop, so ctest runs no two such tests at once: the focus,
# clicks and hooks of one never reach another.
function(conversao_test name)
  cmake_parse_arguments(ARG "DESKTOP" "" "DEPENDS;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(sources ${ARG_SOURCES})
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARG_DEPENDS})
  target_precompile_headers(${name} PRIVATE ${CONVERSAO_PCH_HEADERS} <gtest/gtest.h>)
  set(desktop_lock)
  if(ARG_DESKTOP)
    set(desktop_lock RESOURCE_LOCK desktop)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES TIMEOUT 300 ${desktop_lock})
endfunction()
