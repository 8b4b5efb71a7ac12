# The independent generator and checker of camera, replay and layout files checks itself: it
# writes its samples, reads each back and proves that every crafted file is refused.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME RaceIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/race.py selftest
                 ${CMAKE_CURRENT_BINARY_DIR}/race-selftest)

# The samples the tests read, written into the build folder before the test program is built.
set(VELMO_RACE_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/race-samples)
add_custom_command(OUTPUT ${VELMO_RACE_SAMPLE_DIR}/crafted.list
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/race.py samples ${VELMO_RACE_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/race.py
                   COMMENT "Writing the camera, replay and layout samples")
add_custom_target(RaceSamples DEPENDS ${VELMO_RACE_SAMPLE_DIR}/crafted.list)
if(TARGET PapyRaceTests)
  add_dependencies(PapyRaceTests RaceSamples)
  target_compile_definitions(PapyRaceTests PRIVATE VELMO_RACE_SAMPLE_DIR="${VELMO_RACE_SAMPLE_DIR}")
endif()
