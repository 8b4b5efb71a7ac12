# The real program's response to menu keys and Ctrl+Q while its 3D pane draws hostile files, in a
# virtual X display of its own with keys from xdotool: prints the figures, asserts nothing; label
# perf, excluded from the test run.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME ProgramResponseBench
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/Gui/program_response.py
                 --program $<TARGET_FILE:vantrel> --shots ${PROJECT_BINARY_DIR}/artifacts/program_response)
set_tests_properties(ProgramResponseBench PROPERTIES LABELS perf TIMEOUT 1800)
