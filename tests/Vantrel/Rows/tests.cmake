# The rows, texts, hint codes and sorts of the track, replay, layout, camera, bitmap and DAT
# panes, tested without a display. The tests read the samples of the independent generators.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
file(GLOB velmo_rows_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
if(velmo_rows_test_sources)
  add_executable(VantrelRowsTests ${velmo_rows_test_sources})
  target_include_directories(VantrelRowsTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(VantrelRowsTests PRIVATE VantrelRows ${VELMO_PAPY_LIBRARIES}
                        GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(VantrelRowsTests PRIVATE
    VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    VELMO_TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}"
    VELMO_PYTHON3="${Python3_EXECUTABLE}")
  gtest_discover_tests(VantrelRowsTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "VELMO_TEST_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}")
endif()

# The benchmark of the track and replay rows: prints the figures, asserts nothing; label perf,
# excluded from the test run.
add_executable(TrkRowsBench ${CMAKE_CURRENT_LIST_DIR}/bench/TrkRowsBench.cpp)
target_include_directories(TrkRowsBench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TrkRowsBench PRIVATE VantrelRows ${VELMO_PAPY_LIBRARIES} GTest::gtest)
target_compile_definitions(TrkRowsBench PRIVATE
  VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
  VELMO_TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}"
  VELMO_PYTHON3="${Python3_EXECUTABLE}")
add_test(NAME TrkRowsBench COMMAND TrkRowsBench)
set_tests_properties(TrkRowsBench PROPERTIES LABELS perf)
