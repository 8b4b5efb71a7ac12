# The N4 tests read archives written by the independent generator n4archive.py; they are
# written into the build folder before the test program is built.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(VELMO_N4_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/n4samples)
set(VELMO_N4_SAMPLES structure.3do structure-padded.3do shared.3do track.ptf primitives.3do variants.ptf)
list(TRANSFORM VELMO_N4_SAMPLES PREPEND ${VELMO_N4_SAMPLE_DIR}/ OUTPUT_VARIABLE velmo_n4_sample_files)
add_custom_command(OUTPUT ${velmo_n4_sample_files}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/n4archive.py samples ${VELMO_N4_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/n4archive.py
                   COMMENT "Writing the N4 archive samples")
add_custom_target(N4Samples DEPENDS ${velmo_n4_sample_files})
if(TARGET PapyN4Tests)
  add_dependencies(PapyN4Tests N4Samples)
  target_compile_definitions(PapyN4Tests PRIVATE VELMO_N4_SAMPLE_DIR="${VELMO_N4_SAMPLE_DIR}")
endif()
