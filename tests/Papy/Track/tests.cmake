# The independent generator and checker of track and racing-line files checks itself: it writes
# its samples, reads each back, and proves that each crafted file is refused with its message.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME TrackIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/trk.py selftest ${CMAKE_CURRENT_BINARY_DIR}/trk-selftest)

# The samples, positions and crafted files the tests read, written into the build folder before
# the test program is built.
set(VELMO_TRACK_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/trk-samples)
add_custom_command(OUTPUT ${VELMO_TRACK_SAMPLE_DIR}/crafted.txt
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/trk.py samples ${VELMO_TRACK_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/trk.py
                   COMMENT "Writing the track and racing-line samples")
add_custom_target(TrackSamples DEPENDS ${VELMO_TRACK_SAMPLE_DIR}/crafted.txt)
if(TARGET PapyTrackTests)
  add_dependencies(PapyTrackTests TrackSamples)
  target_compile_definitions(PapyTrackTests PRIVATE VELMO_TRACK_SAMPLE_DIR="${VELMO_TRACK_SAMPLE_DIR}")
endif()

# The PTF track adapter reads the .ptf samples of the N4 archive generator.
if(TARGET PapyTrackTests)
  add_dependencies(PapyTrackTests N4Samples)
  target_compile_definitions(PapyTrackTests PRIVATE VELMO_N4_SAMPLE_DIR="${CMAKE_CURRENT_BINARY_DIR}/n4samples")
endif()
