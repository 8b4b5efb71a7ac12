# The facet tests load a real track and racing line: the track generator's smallest GPL samples.
if(TARGET PapyFacetSetsTests)
  add_dependencies(PapyFacetSetsTests TrackSamples)
  target_compile_definitions(PapyFacetSetsTests PRIVATE
    VELMO_FACETSETS_TRACK_SAMPLES="${CMAKE_CURRENT_BINARY_DIR}/trk-samples")
endif()
