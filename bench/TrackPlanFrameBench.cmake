# The track window's plan benchmark draws offscreen (EGL) and generates its tracks with the plan
# samples' script; registered with label perf, outside the normal test run.
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
target_include_directories(TrackPlanFrameBench PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/tests/Vantrel/Drawing)
target_link_libraries(TrackPlanFrameBench PRIVATE VantrelDrawing OpenGL::EGL)
target_compile_definitions(TrackPlanFrameBench PRIVATE
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_PLAN_SAMPLES="${PROJECT_SOURCE_DIR}/tests/Vantrel/Drawing/plan_samples.py")
add_test(NAME TrackPlanFrameBench COMMAND TrackPlanFrameBench)
set_tests_properties(TrackPlanFrameBench PROPERTIES LABELS perf TIMEOUT 600)
