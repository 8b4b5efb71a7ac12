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
