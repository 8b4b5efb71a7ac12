# The layering check on small trees made here: each case adds one include to an otherwise clean
# tree that has the real family list, runs the check and compares its verdict and its message.
#   cmake -DVELMO_SOURCE_DIR=<source folder> -DVELMO_WORK_DIR=<scratch folder> -P LayeringCheck.cmake
set(check ${VELMO_SOURCE_DIR}/Util/CheckLayering.cmake)

# file|included header|expected line of the message ("" when the tree passes)
set(cases
    "Papy/Track/Line.cpp|Papy/N4/N4TdoFile.h|Papy/Track/Line.cpp: #include \"Papy/N4/N4TdoFile.h\" (Track links only: Model)"
    "Papy/Model/Colour.h|Papy/Track/Track.h|Papy/Model/Colour.h: #include \"Papy/Track/Track.h\" (Model links only: none)"
    "Papy/Race/Laps.h|Papy/Bitmap/Palette.h|Papy/Race/Laps.h: #include \"Papy/Bitmap/Palette.h\" (Race links only: Model)"
    "Util/Reader.h|Papy/Model/Colour.h|Util/Reader.h: #include \"Papy/Model/Colour.h\" (Util includes nothing of Papy)"
    "Papy/N2/Tdo.cpp|wx/string.h|Papy/N2/Tdo.cpp: #include <wx/string.h> (the library includes nothing of wx, OpenGL or the application)"
    "Papy/N2/Tdo.cpp|Papy/Bitmap/Palette.h|"
    "Papy/FacetSets/Sets.cpp|Papy/Track/Track.h|"
    "Papy/Track/Line.cpp|Papy/Track/Track.h|"
    "Papy/Model/Colour.h|Util/Types.h|")

set(failures 0)
foreach(case ${cases})
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 path)
  list(GET parts 1 header)
  list(LENGTH parts n)
  set(expected "")
  if(n GREATER 2)
    list(GET parts 2 expected)
  endif()
  set(tree ${VELMO_WORK_DIR}/tree)
  file(REMOVE_RECURSE ${tree})
  file(MAKE_DIRECTORY ${tree}/Util ${tree}/Papy)
  file(COPY ${VELMO_SOURCE_DIR}/Papy/Families.cmake DESTINATION ${tree}/Papy)
  file(WRITE ${tree}/Papy/Model/Clean.h "#include \"Util/Types.h\"\n")
  if(header MATCHES "^wx/")
    file(WRITE ${tree}/${path} "#pragma once\n#include <${header}>\n")
  else()
    file(WRITE ${tree}/${path} "#pragma once\n#include \"${header}\"\n")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DVELMO_SOURCE_DIR=${tree} -DVELMO_STAMP=${VELMO_WORK_DIR}/stamp -P ${check}
                  RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
  string(REGEX REPLACE "[ \t\r\n]+" " " flat "${output}")
  if(expected STREQUAL "")
    if(NOT result EQUAL 0)
      message(SEND_ERROR "${path} including ${header}: refused, but the link is listed:\n${output}")
      math(EXPR failures "${failures} + 1")
    endif()
  elseif(result EQUAL 0)
    message(SEND_ERROR "${path} including ${header}: passed, expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  else()
    string(FIND "${flat}" "${expected}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${path} including ${header}: the message lacks \"${expected}\":\n${output}")
      math(EXPR failures "${failures} + 1")
    endif()
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} layering case(s) failed")
endif()
message(STATUS "every layering case gave its verdict")
