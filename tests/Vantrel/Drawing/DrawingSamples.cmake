# The sample folders of the 3D-object pane's tests, written by drawing_samples.py (with the GPL,
# N4 and bitmap generators) into the build folder before the test program is built.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(VELMO_DRAWING_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/drawing-samples)
# The objects of the cost fuzz harness's findings, copied among the walk samples.
file(GLOB velmo_cost_fuzz_findings CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../../data/cost-fuzz/*/*.3do
     ${CMAKE_CURRENT_LIST_DIR}/../../data/cost-fuzz/*/*.dat)
add_custom_command(OUTPUT ${VELMO_DRAWING_SAMPLE_DIR}/expected.txt
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/drawing_samples.py ${VELMO_DRAWING_SAMPLE_DIR} 96 64
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/drawing_samples.py ${CMAKE_CURRENT_LIST_DIR}/../../Papy/GPL/gpl3do.py
                           ${CMAKE_CURRENT_LIST_DIR}/../../Papy/N4/n4archive.py
                           ${CMAKE_CURRENT_LIST_DIR}/../../Papy/Bitmap/bitmap.py ${velmo_cost_fuzz_findings}
                   COMMENT "Writing the drawing samples")
add_custom_target(DrawingSamples DEPENDS ${VELMO_DRAWING_SAMPLE_DIR}/expected.txt)
add_dependencies(VantrelDrawingTests DrawingSamples)
target_compile_definitions(VantrelDrawingTests PRIVATE VELMO_DRAWING_SAMPLE_DIR="${VELMO_DRAWING_SAMPLE_DIR}")
