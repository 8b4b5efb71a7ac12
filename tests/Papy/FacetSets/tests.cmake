# The facet tests load a real track file: the track generator's smallest GPL sample.
if(TARGET PapyFacetSetsTests)
  add_dependencies(PapyFacetSetsTests TrackSamples)
  target_compile_definitions(PapyFacetSetsTests PRIVATE
    VELMO_FACETSETS_TRACK_SAMPLE="${CMAKE_CURRENT_BINARY_DIR}/trk-samples/gpl-minimal.trk")
endif()
