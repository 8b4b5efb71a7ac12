# The independent generator of N2 .3do files checks itself: it writes its samples and bad
# files, reads each back and proves that every bad file is refused with its error.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME N23doIndependentGenerator
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/n2tdo.py selftest
                 ${CMAKE_CURRENT_BINARY_DIR}/n2tdo-selftest)

# The samples, listings and bad files the tests read, written into the build folder before the
# test program is built.
set(VELMO_N2_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/n2tdo-samples)
set(velmo_n2_sample_files ${VELMO_N2_SAMPLE_DIR}/bad.list)
foreach(sample minimal allkinds track groove textures)
  list(APPEND velmo_n2_sample_files ${VELMO_N2_SAMPLE_DIR}/${sample}.3do ${VELMO_N2_SAMPLE_DIR}/${sample}.list
       ${VELMO_N2_SAMPLE_DIR}/${sample}.B.list)
endforeach()
add_custom_command(OUTPUT ${velmo_n2_sample_files}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/n2tdo.py samples ${VELMO_N2_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/n2tdo.py
                   COMMENT "Writing the N2 .3do samples")
add_custom_target(N2Samples DEPENDS ${velmo_n2_sample_files})
if(TARGET PapyN2Tests)
  add_dependencies(PapyN2Tests N2Samples)
  target_compile_definitions(PapyN2Tests PRIVATE VELMO_N2_SAMPLE_DIR="${VELMO_N2_SAMPLE_DIR}")
endif()
