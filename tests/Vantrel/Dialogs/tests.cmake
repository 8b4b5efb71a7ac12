# The dialogs of the 3D-object panes in a virtual X display (label gui): titles, labels and
# control ids, what each field accepts and the messages it gives, MaxLength and NoZ, and the
# field editor going through them. The program drives the dialogs itself and answers their
# message boxes, so nothing waits for a user.
set(dialogs_test_dir ${CMAKE_CURRENT_LIST_DIR})
file(GLOB dialogs_test_sources CONFIGURE_DEPENDS ${dialogs_test_dir}/*.cpp)
add_executable(VantrelDialogsTests ${dialogs_test_sources})
target_include_directories(VantrelDialogsTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${dialogs_test_dir})
target_link_libraries(VantrelDialogsTests PRIVATE VantrelDialogs PapyGPL PapyN4 GTest::gtest)

find_program(VELMO_XVFB_RUN xvfb-run)
if(VELMO_XVFB_RUN)
  # A starting display number of its own, so that virtual displays started together do not race.
  add_test(NAME VantrelGui.Dialogs
           COMMAND sh -c "exec \"$0\" -a -n $((100 + $$ % 800)) -s '-screen 0 1280x1024x24' \"$1\""
                   ${VELMO_XVFB_RUN} $<TARGET_FILE:VantrelDialogsTests>)
  set_tests_properties(VantrelGui.Dialogs PROPERTIES LABELS gui TIMEOUT 400 RESOURCE_LOCK VantrelGui
                       ENVIRONMENT "NO_AT_BRIDGE=1;LSAN_OPTIONS=suppressions=${VANTREL_LSAN_SUPPRESSIONS_FILE}")
endif()
