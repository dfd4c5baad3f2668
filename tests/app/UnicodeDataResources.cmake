# Checks that a program carries the six Unicode property tables as
# resources of type UNICODEDATA:
#   cmake -DPROGRAM=<exe> -DOBJDUMP=<objdump> -P UnicodeDataResources.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
# The resource directory lists each type (entries indented by three spaces,
# named or numbered) with the names under it (five spaces).
string(REPLACE "\n" ";" lines "${dump}")
set(inside FALSE)
set(found)
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-f]+   Entry: ")
    set(inside FALSE)
    if(line MATCHES "\\]: UNICODEDATA,")
      set(inside TRUE)
    endif()
  elseif(inside AND line MATCHES "^[0-9a-f]+     Entry: .*\\]: ([A-Za-z0-9_]+),")
    list(APPEND found ${CMAKE_MATCH_1})
  endif()
endforeach()
set(expected CASE CATEGORIES COMBINING COMPOSITION DECOMPOSITION NUMBERS)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "${PROGRAM} carries UNICODEDATA resources \"${found}\", not \"${expected}\"")
endif()
