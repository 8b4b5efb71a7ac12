# The visitors of the 3D-object panes, tested without a display. The tests read the samples of
# the independent GPL, N2 and N4 generators (written at build time by their own custom targets).
find_package(Python3 COMPONENTS Interpreter REQUIRED)
file(GLOB velmo_visitor_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(VantrelVisitorsTests ${velmo_visitor_test_sources})
target_include_directories(VantrelVisitorsTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(VantrelVisitorsTests PRIVATE VantrelVisitors PapyGPL PapyN2 PapyN4
                      GTest::gtest GTest::gtest_main GTest::gmock)
add_dependencies(VantrelVisitorsTests GPLSamples N2Samples N4Samples)
target_compile_definitions(VantrelVisitorsTests PRIVATE
  VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_GPL_SAMPLE_DIR="${CMAKE_CURRENT_BINARY_DIR}/gpl3do-samples"
  VELMO_N2_SAMPLE_DIR="${CMAKE_CURRENT_BINARY_DIR}/n2tdo-samples"
  VELMO_N4_SAMPLE_DIR="${CMAKE_CURRENT_BINARY_DIR}/n4samples"
  VELMO_N4_LISTING_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/n4listing.py")
gtest_discover_tests(VantrelVisitorsTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "VELMO_TEST_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}")

# The benchmark of the perf figures: prints them, asserts nothing; excluded from the test run.
add_executable(VisitorsBench ${CMAKE_CURRENT_LIST_DIR}/bench/VisitorsBench.cpp)
target_include_directories(VisitorsBench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(VisitorsBench PRIVATE VantrelVisitors PapyGPL)
add_test(NAME VisitorsBench COMMAND VisitorsBench)
set_tests_properties(VisitorsBench PROPERTIES LABELS perf)
