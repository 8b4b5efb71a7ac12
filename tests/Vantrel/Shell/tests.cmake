# The application shell. VantrelShellTests: unit tests that need no display. VantrelGuiTests: the
# real windows under a virtual X server (label gui), each suite with a timeout so that a stuck
# dialog fails; the figures of the large-file run (label perf) are printed, not asserted.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(shell_test_dir ${CMAKE_CURRENT_LIST_DIR})

add_test(NAME HexDumpIndependentFormatter COMMAND ${Python3_EXECUTABLE} ${shell_test_dir}/hexdump.py selftest)

file(GLOB shell_unit_sources CONFIGURE_DEPENDS ${shell_test_dir}/Unit/*.cpp)
add_executable(VantrelShellTests ${shell_unit_sources})
target_include_directories(VantrelShellTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${shell_test_dir}/Unit)
target_link_libraries(VantrelShellTests PRIVATE VantrelShell GTest::gtest GTest::gtest_main)
target_compile_definitions(VantrelShellTests PRIVATE VELMO_PYTHON3="${Python3_EXECUTABLE}"
                           VELMO_HEXDUMP_SCRIPT="${shell_test_dir}/hexdump.py")
gtest_discover_tests(VantrelShellTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

find_program(VELMO_XVFB_RUN xvfb-run)
file(GLOB shell_gui_sources CONFIGURE_DEPENDS ${shell_test_dir}/Gui/*.cpp)
add_executable(VantrelGuiTests ${shell_gui_sources})
target_include_directories(VantrelGuiTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${shell_test_dir}/Unit)
target_link_libraries(VantrelGuiTests PRIVATE VantrelShell GTest::gtest)
target_compile_definitions(VantrelGuiTests PRIVATE VELMO_PYTHON3="${Python3_EXECUTABLE}"
                           VELMO_HEXDUMP_SCRIPT="${shell_test_dir}/hexdump.py"
                           VELMO_ARTIFACTS_DIR="${CMAKE_BINARY_DIR}/artifacts"
                           VELMO_PROGRAM="$<TARGET_FILE:vantrel>")
add_dependencies(VantrelGuiTests vantrel)
if(VELMO_XVFB_RUN)
  # Each suite in its own virtual display and its own empty home folder.
  set(shell_gui_runner ${shell_test_dir}/run-gui.sh)
  foreach(suite Shell Hex Save)
    add_test(NAME VantrelGui.${suite}
             COMMAND ${shell_gui_runner} $<TARGET_FILE:VantrelGuiTests> --gtest_filter=${suite}.*)
    set_tests_properties(VantrelGui.${suite} PROPERTIES LABELS gui TIMEOUT 120 RESOURCE_LOCK VantrelGui
                         ENVIRONMENT "LSAN_OPTIONS=suppressions=${shell_test_dir}/lsan-toolkit.supp")
  endforeach()
  add_test(NAME VantrelGui.Perf COMMAND ${shell_gui_runner} $<TARGET_FILE:VantrelGuiTests> --gtest_filter=Perf.*
                                        --gtest_also_run_disabled_tests)
  set_tests_properties(VantrelGui.Perf PROPERTIES LABELS "gui;perf" TIMEOUT 300 RESOURCE_LOCK VantrelGui
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${shell_test_dir}/lsan-toolkit.supp")
endif()
