# The application shell's unit tests (VantrelShellTests), which need no display, and the
# independent hexadecimal formatter. Its GUI suites (Gui/) are built and registered by the GUI
# kit (tests/Vantrel/GuiKit/tests.cmake).
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(shell_test_dir ${CMAKE_CURRENT_LIST_DIR})

add_test(NAME HexDumpIndependentFormatter COMMAND ${Python3_EXECUTABLE} ${shell_test_dir}/hexdump.py selftest)

file(GLOB shell_unit_sources CONFIGURE_DEPENDS ${shell_test_dir}/Unit/*.cpp)
add_executable(VantrelShellTests ${shell_unit_sources})
target_include_directories(VantrelShellTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${shell_test_dir}/Unit)
target_link_libraries(VantrelShellTests PRIVATE VantrelShell GTest::gtest GTest::gtest_main)
target_compile_definitions(VantrelShellTests PRIVATE VELMO_PYTHON3="${Python3_EXECUTABLE}"
                           VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
gtest_discover_tests(VantrelShellTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

# The sanitizer build's leak check sees leaks of our own code: a program linked as the desktop
# program is, with its leak suppressions, leaks from event handlers of its own (a call after, a
# timer, an idle, a callback of the loop's library), and the check must report each, naming the
# handler.
find_program(shell_xvfb_run xvfb-run)
if(VANTREL_SANITIZE AND shell_xvfb_run)
  add_executable(VantrelLeakInAHandler ${shell_test_dir}/LeakInAHandler.cpp ${VANTREL_LSAN_SUPPRESSIONS_SOURCE})
  target_link_libraries(VantrelLeakInAHandler PRIVATE VantrelShell)
  add_test(NAME VantrelShell.LeakInAHandlerIsReported
           COMMAND ${shell_test_dir}/leak-reported.sh $<TARGET_FILE:VantrelLeakInAHandler>
                   ${CMAKE_CURRENT_SOURCE_DIR}/Vantrel/GuiKit/run-gui.sh LeakInACallAfter LeakInATimer LeakInAnIdle
                   LeakInALoopCallback)
  set_tests_properties(VantrelShell.LeakInAHandlerIsReported PROPERTIES LABELS gui
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${VANTREL_LSAN_SUPPRESSIONS_FILE}")
endif()
