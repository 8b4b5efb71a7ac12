# The GUI test kit and every GUI suite of the application. Each file tests/Vantrel/<Folder>/Gui/*.cpp
# (at any depth under tests/Vantrel) is found here: the files of one Gui folder make one program,
# Vantrel<Folder>GuiTests (the kit's main starts the real application), and each file is one ctest
# entry VantrelGui.<Folder>.<File> (label gui; files named Perf* are figures, labels gui and perf)
# that runs that file's tests alone, in a virtual X display and an empty home folder of its own.
# A new suite file needs no list to be edited.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
set(velmo_gui_kit_dir ${CMAKE_CURRENT_LIST_DIR})
# The suites that drive the toolkit's real file chooser run with its leftovers suppressed as well
# (lsan-chooser.supp), on top of the program's own suppressions, and with the chooser's settings
# of chooser-settings.keyfile. The suppressions name the functions of GLib's that make the
# leftovers, under the toolkit's functions that keep no frame pointers: these suites take the
# stacks of allocations in full, and so draw with Mesa's rasteriser that compiles no code at run
# time (softpipe): the other one registers the unwind tables of the code it compiles under the
# unwinder's lock, and a whole-stack walk of an allocation made there would wait for that lock
# for ever.
set(velmo_gui_chooser_suites ShellTest)
set(velmo_gui_chooser_environment "VELMO_GUI_ASAN_OPTIONS=fast_unwind_on_malloc=0" "GALLIUM_DRIVER=softpipe"
                                  "VELMO_GUI_SETTINGS=${velmo_gui_kit_dir}/chooser-settings.keyfile")
set(velmo_gui_chooser_suppressions ${CMAKE_CURRENT_BINARY_DIR}/lsan-chooser-suites.supp)
file(READ ${VANTREL_LSAN_SUPPRESSIONS_FILE} velmo_gui_program_suppressions)
file(READ ${velmo_gui_kit_dir}/lsan-chooser.supp velmo_gui_chooser_extra)
file(WRITE ${velmo_gui_chooser_suppressions} "${velmo_gui_program_suppressions}${velmo_gui_chooser_extra}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${velmo_gui_kit_dir}/lsan-chooser.supp
                                                     ${VANTREL_LSAN_SUPPRESSIONS_FILE})

add_library(VantrelGuiKit STATIC ${velmo_gui_kit_dir}/GuiKit.cpp ${velmo_gui_kit_dir}/GuiMain.cpp)
target_include_directories(VantrelGuiKit PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${velmo_gui_kit_dir})
target_link_libraries(VantrelGuiKit PUBLIC VantrelShell GTest::gtest OpenGL::GL)
target_compile_definitions(VantrelGuiKit PUBLIC
  VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_ARTIFACTS_DIR="${PROJECT_BINARY_DIR}/artifacts"
  VELMO_PROGRAM="$<TARGET_FILE:vantrel>")

find_program(VELMO_XVFB_RUN xvfb-run)
# Suite files that need an environment of their own, by file stem: the HiDPI suite runs on a
# screen the toolkit scales by 2, twice as large so that the main window fits it.
set(velmo_gui_environment_HiDpiTest "GDK_SCALE=2;VELMO_GUI_SCREEN=2560x2048x24")
file(GLOB_RECURSE velmo_gui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Vantrel/*/Gui/*.cpp)
set(velmo_gui_dirs)
foreach(source ${velmo_gui_sources})
  get_filename_component(dir ${source} DIRECTORY)
  list(APPEND velmo_gui_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES velmo_gui_dirs)

foreach(dir ${velmo_gui_dirs})
  # tests/Vantrel/Shell/Gui -> Shell; tests/Vantrel/Papy/Track/Gui -> PapyTrack
  get_filename_component(folder ${dir} DIRECTORY)
  file(RELATIVE_PATH name ${CMAKE_CURRENT_SOURCE_DIR}/Vantrel ${folder})
  string(REPLACE "/" "" name "${name}")
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(program Vantrel${name}GuiTests)
  add_executable(${program} ${sources})
  target_include_directories(${program} PRIVATE ${folder})
  target_link_libraries(${program} PRIVATE VantrelGuiKit)
  # The application's other libraries, for suites that reach them.
  foreach(library VantrelDialogs VantrelDrawing VantrelRows VantrelVisitors)
    if(TARGET ${library})
      target_link_libraries(${program} PRIVATE ${library})
    endif()
  endforeach()
  add_dependencies(${program} vantrel)
  if(NOT VELMO_XVFB_RUN)
    continue()
  endif()
  foreach(source ${sources})
    get_filename_component(file ${source} NAME)
    get_filename_component(stem ${source} NAME_WE)
    set(test VantrelGui.${name}.${stem})
    if(stem MATCHES "^Perf")
      add_test(NAME ${test} COMMAND ${velmo_gui_kit_dir}/run-gui.sh $<TARGET_FILE:${program}>
                                    --suite-file=${file} --gtest_also_run_disabled_tests)
      set_tests_properties(${test} PROPERTIES LABELS "gui;perf" TIMEOUT 300)
    else()
      add_test(NAME ${test} COMMAND ${velmo_gui_kit_dir}/run-gui.sh $<TARGET_FILE:${program}> --suite-file=${file})
      set_tests_properties(${test} PROPERTIES LABELS gui TIMEOUT 400)
    endif()
    if(stem IN_LIST velmo_gui_chooser_suites)
      set(environment "LSAN_OPTIONS=suppressions=${velmo_gui_chooser_suppressions}" ${velmo_gui_chooser_environment})
    else()
      set(environment "LSAN_OPTIONS=suppressions=${VANTREL_LSAN_SUPPRESSIONS_FILE}")
    endif()
    if(DEFINED velmo_gui_environment_${stem})
      list(APPEND environment ${velmo_gui_environment_${stem}})
    endif()
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}")
  endforeach()
endforeach()

# The program itself, of this build (the sanitizer build's with its own options), through a
# user's session of keys (program_session.py): it draws a 3D object and a track's plan, answers
# every key, and ends with status 0 and no sanitizer report.
if(VELMO_XVFB_RUN)
  add_test(NAME VantrelGui.Shell.ProgramSession
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/Vantrel/Shell/Gui/program_session.py
                   --program $<TARGET_FILE:vantrel> --deadline 300
                   --shot ${PROJECT_BINARY_DIR}/artifacts/program_session/failed.png)
  set_tests_properties(VantrelGui.Shell.ProgramSession PROPERTIES LABELS gui TIMEOUT 400)
endif()

# The suppressions of the suites that drive the real file chooser keep our own leaks in sight: a
# program that leaks strings of GLib's from handlers of its own, run as those suites run, must
# have each leak reported, naming the handler.
if(VANTREL_SANITIZE AND VELMO_XVFB_RUN)
  add_executable(VantrelLeakOfAGLibString ${velmo_gui_kit_dir}/LeakOfAGLibString.cpp)
  target_link_libraries(VantrelLeakOfAGLibString PRIVATE VantrelShell)
  add_test(NAME VantrelGui.ChooserSuites.LeakOfAGLibStringIsReported
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/Vantrel/Shell/leak-reported.sh $<TARGET_FILE:VantrelLeakOfAGLibString>
                   ${velmo_gui_kit_dir}/run-gui.sh LeakAChoosersName LeakAGLibCopy)
  set_tests_properties(VantrelGui.ChooserSuites.LeakOfAGLibStringIsReported PROPERTIES LABELS gui
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${velmo_gui_chooser_suppressions};${velmo_gui_chooser_environment}")
endif()
