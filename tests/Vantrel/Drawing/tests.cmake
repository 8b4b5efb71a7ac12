# The drawing library, tested in an OpenGL context of its own (EGL, no display; label gl). The
# Mesa driver leaks a block in a module it has unloaded by the time the leak check runs, so the
# leak check is off for this program (address and undefined-behaviour checks stay on).
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
file(GLOB velmo_drawing_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(VantrelDrawingTests ${velmo_drawing_test_sources})
target_include_directories(VantrelDrawingTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(VantrelDrawingTests PRIVATE VantrelDrawing ${VELMO_PAPY_LIBRARIES} OpenGL::EGL
                      GTest::gtest GTest::gtest_main GTest::gmock)
target_compile_definitions(VantrelDrawingTests PRIVATE
  VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
  VELMO_TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}"
  VELMO_PYTHON3="${Python3_EXECUTABLE}")
gtest_discover_tests(VantrelDrawingTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                     PROPERTIES LABELS gl
                     ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0;VELMO_TEST_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}")

# The 3D-object pane's sample files; glshot, the offscreen picture program, and its check.
include(${CMAKE_CURRENT_LIST_DIR}/DrawingSamples.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/glshot/tests.cmake)

# The benchmark of the track plan and the car path at 1024 x 768: prints the figures, asserts
# nothing; label perf, excluded from the test run.
add_executable(TrackPlanBench ${CMAKE_CURRENT_LIST_DIR}/bench/TrackPlanBench.cpp)
target_include_directories(TrackPlanBench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TrackPlanBench PRIVATE VantrelDrawing ${VELMO_PAPY_LIBRARIES} OpenGL::EGL GTest::gtest)
target_compile_definitions(TrackPlanBench PRIVATE
  VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
  VELMO_TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}"
  VELMO_PYTHON3="${Python3_EXECUTABLE}")
add_test(NAME TrackPlanBench COMMAND TrackPlanBench)
set_tests_properties(TrackPlanBench PROPERTIES LABELS "perf;gl")
