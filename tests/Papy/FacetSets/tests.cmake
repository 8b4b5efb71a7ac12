# The facet-set tests build game folders from the other families' generated samples: GPL, N2
# and N4 3D objects, tracks and racing lines, bitmaps. folders.py (standard library only) builds
# the folders of the recognizer manifest; its self-test checks its own folders against its own
# reading of the recognizer rules.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
if(TARGET PapyFacetSetsTests)
  add_dependencies(PapyFacetSetsTests TrackSamples GPLSamples N2Samples N4Samples BitmapSamples RaceSamples)
  target_compile_definitions(PapyFacetSetsTests PRIVATE
    VELMO_FACETSETS_TRACK_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/trk-samples"
    VELMO_FACETSETS_GPL_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/gpl3do-samples"
    VELMO_FACETSETS_N2_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/n2tdo-samples"
    VELMO_FACETSETS_N4_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/n4samples"
    VELMO_FACETSETS_RACE_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/race-samples"
    VELMO_FACETSETS_BITMAP_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/bitmap-samples"
    VELMO_FACETSETS_FOLDERS_PY="${CMAKE_CURRENT_LIST_DIR}/folders.py"
    VELMO_PYTHON="${Python3_EXECUTABLE}")
endif()
add_test(NAME FolderIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/folders.py selftest)
