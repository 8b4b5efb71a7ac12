# The 3D-object pane's benchmark draws offscreen (EGL) and generates its files with the drawing
# tests' sample script; registered with label perf, outside the normal test run.
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
target_include_directories(ThreeDObjectPaneBench PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/tests/Vantrel/Drawing)
target_link_libraries(ThreeDObjectPaneBench PRIVATE VantrelDrawing OpenGL::EGL)
target_compile_definitions(ThreeDObjectPaneBench PRIVATE
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_DRAWING_SAMPLES="${PROJECT_SOURCE_DIR}/tests/Vantrel/Drawing/drawing_samples.py")
add_test(NAME ThreeDObjectPaneBench COMMAND ThreeDObjectPaneBench)
set_tests_properties(ThreeDObjectPaneBench PROPERTIES LABELS perf TIMEOUT 600)
