# The file panes' rows benchmark: the DAT list and the bitmap page, on files of the independent
# generators. It prints figures and asserts nothing; its test is labelled perf, outside the
# normal run.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
target_link_libraries(FileViewsBench PRIVATE VantrelRows)
target_compile_definitions(FileViewsBench PRIVATE
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_FILEVIEWS_SCRIPT="${PROJECT_SOURCE_DIR}/tests/Vantrel/Rows/fileviews.py")
add_test(NAME FileViewsBench COMMAND FileViewsBench)
set_tests_properties(FileViewsBench PROPERTIES LABELS perf)
