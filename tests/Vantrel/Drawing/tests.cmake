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

# The scene folders of the drawing tests: objects from the GPL, N4 and N2 generators, textures from
# the bitmap generator, written into the build folder before the test program is built.
set(VELMO_DRAWING_SCENES ${CMAKE_CURRENT_BINARY_DIR}/drawing-scenes)
add_custom_command(OUTPUT ${VELMO_DRAWING_SCENES}/scenes.stamp
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/Papy/GPL/gpl3do.py drawing ${VELMO_DRAWING_SCENES}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/Papy/N4/n4archive.py drawing ${VELMO_DRAWING_SCENES}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/Papy/N2/n2tdo.py drawing ${VELMO_DRAWING_SCENES}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/Papy/Bitmap/bitmap.py drawing ${VELMO_DRAWING_SCENES}
                   COMMAND ${CMAKE_COMMAND} -E touch ${VELMO_DRAWING_SCENES}/scenes.stamp
                   DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Papy/GPL/gpl3do.py ${CMAKE_CURRENT_SOURCE_DIR}/Papy/N4/n4archive.py
                           ${CMAKE_CURRENT_SOURCE_DIR}/Papy/N2/n2tdo.py ${CMAKE_CURRENT_SOURCE_DIR}/Papy/Bitmap/bitmap.py
                   COMMENT "Writing the drawing tests' scenes")
add_custom_target(DrawingScenes DEPENDS ${VELMO_DRAWING_SCENES}/scenes.stamp)
add_dependencies(VantrelDrawingTests DrawingScenes)
target_compile_definitions(VantrelDrawingTests PRIVATE VELMO_DRAWING_SCENES="${VELMO_DRAWING_SCENES}"
                           VELMO_ARTIFACTS_DIR="${PROJECT_BINARY_DIR}/artifacts")

# A drawing benchmark: prints its figures, asserts nothing; label perf, excluded from the test run.
function(velmo_drawing_bench name)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/bench/${name}.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(${name} PRIVATE VantrelDrawing ${VELMO_PAPY_LIBRARIES} OpenGL::EGL)
  target_compile_definitions(${name} PRIVATE VELMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
                             VELMO_PYTHON3="${Python3_EXECUTABLE}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS perf)
endfunction()

# The perf figures of the drawing walks.
velmo_drawing_bench(DrawingBench)
# The walks over node graphs of far more paths than nodes: the time of each walk.
velmo_drawing_bench(WalkBudgetBench)
