# The library's layering, checked at build time: Util includes nothing of Papy; a family of Papy
# includes nothing of a family it does not link (the links are listed in Papy/Families.cmake);
# and neither Util nor Papy includes anything of wx, of OpenGL (the OpenGL error in Util/OpenGL
# aside) or of the application. Run as
#   cmake -DVELMO_SOURCE_DIR=<source folder> -DVELMO_STAMP=<file touched when all is well> -P CheckLayering.cmake
# and fails, naming every offending line, when a rule is broken.
file(GLOB_RECURSE util_files ${VELMO_SOURCE_DIR}/Util/*.h ${VELMO_SOURCE_DIR}/Util/*.cpp)
list(FILTER util_files EXCLUDE REGEX "/Util/OpenGL/")
file(GLOB_RECURSE papy_files ${VELMO_SOURCE_DIR}/Papy/*.h ${VELMO_SOURCE_DIR}/Papy/*.cpp)

set(problems)
# Adds a line for each include of files whose target matches pattern.
function(velmo_check_includes files pattern rule)
  foreach(path ${files})
    file(STRINGS ${path} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${pattern})")
    if(lines)
      file(RELATIVE_PATH name ${VELMO_SOURCE_DIR} ${path})
      foreach(line ${lines})
        string(STRIP "${line}" line)
        list(APPEND problems "  ${name}: ${line} (${rule})")
      endforeach()
    endif()
  endforeach()
  set(problems ${problems} PARENT_SCOPE)
endfunction()

velmo_check_includes("${util_files}" "Papy/" "Util includes nothing of Papy")
include(${VELMO_SOURCE_DIR}/Papy/Families.cmake)
foreach(family ${VELMO_PAPY_FAMILIES})
  set(unlinked ${VELMO_PAPY_FAMILIES})
  list(REMOVE_ITEM unlinked ${family} ${VELMO_PAPY_DEPS_${family}})
  if(NOT unlinked)
    continue()
  endif()
  file(GLOB_RECURSE family_files ${VELMO_SOURCE_DIR}/Papy/${family}/*.h ${VELMO_SOURCE_DIR}/Papy/${family}/*.cpp)
  list(JOIN unlinked "|" pattern)
  set(links "${VELMO_PAPY_DEPS_${family}}")
  if(links)
    list(JOIN links ", " links)
  else()
    set(links "none")
  endif()
  velmo_check_includes("${family_files}" "Papy/(${pattern})/" "${family} links only: ${links}")
endforeach()

velmo_check_includes("${util_files};${papy_files}" "wx/|GL/|OpenGL/|Util/OpenGL/|Vantrel/"
                     "the library includes nothing of wx, OpenGL or the application")

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "Layering broken:\n${text}")
endif()
file(TOUCH ${VELMO_STAMP})
