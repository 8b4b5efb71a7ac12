# The application's layering, checked at build time:
# - Text, Visitors, Drawing and Rows are plain libraries: they include nothing of wx and nothing of
#   the program's folders (App, Frame, Doc, View, Dialogs, Shell);
# - Text is the bottom of them: it includes nothing of Visitors, Drawing or Rows, and Rows nothing
#   of Visitors (the texts both need are in Text);
# - Frame, Doc, View and Dialogs include nothing of App (the application puts them together);
# - Frame (the document windows) includes nothing of Doc, View or Dialogs, and Doc nothing of
#   View, Frame or Dialogs.
# Run as
#   cmake -DVELMO_SOURCE_DIR=<source folder> -DVELMO_STAMP=<file touched when all is well> -P CheckLayering.cmake
# and fails, naming every offending line, when a rule is broken.
set(problems)
# Adds a line for each include, in the files of the folders, of a file whose path matches pattern.
function(velmo_check_folders folders pattern rule)
  foreach(folder ${folders})
    file(GLOB_RECURSE files ${VELMO_SOURCE_DIR}/Vantrel/${folder}/*.h ${VELMO_SOURCE_DIR}/Vantrel/${folder}/*.cpp)
    foreach(path ${files})
      file(STRINGS ${path} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${pattern})")
      file(RELATIVE_PATH name ${VELMO_SOURCE_DIR} ${path})
      foreach(line ${lines})
        string(STRIP "${line}" line)
        list(APPEND problems "  ${name}: ${line} (${rule})")
      endforeach()
    endforeach()
  endforeach()
  set(problems ${problems} PARENT_SCOPE)
endfunction()

set(program "Vantrel/(App|Frame|Doc|View|Dialogs|Shell)/")
velmo_check_folders("Text;Visitors;Drawing;Rows" "wx/|${program}"
                    "the plain libraries include nothing of wx or of the program")
velmo_check_folders("Text" "Vantrel/(Visitors|Drawing|Rows)/" "the texts are below the plain libraries")
velmo_check_folders("Rows" "Vantrel/Visitors/" "the rows know no node visitor")
velmo_check_folders("Frame;Doc;View;Dialogs" "Vantrel/App/" "only the application includes App")
velmo_check_folders("Frame" "Vantrel/(Doc|View|Dialogs)/" "the document windows know no document or view")
velmo_check_folders("Doc" "Vantrel/(View|Frame|Dialogs)/" "the documents know no window")

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "Layering broken:\n${text}")
endif()
file(TOUCH ${VELMO_STAMP})
