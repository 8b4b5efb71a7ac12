# The independent generator and checker of GPL .3do files checks itself: it writes its sample
# files, checks each one and proves that it refuses broken ones.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME GPL3doIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/gpl3do.py selftest
                 ${CMAKE_CURRENT_BINARY_DIR}/gpl3do-selftest)
if(TARGET PapyGPLTests)
  target_compile_definitions(PapyGPLTests PRIVATE VELMO_PYTHON3="${Python3_EXECUTABLE}")
endif()

# The sample files the tests read, written into the build folder before the test program is built.
set(VELMO_GPL_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/gpl3do-samples)
set(VELMO_GPL_SAMPLES minimal basic allkinds track car)
set(velmo_gpl_sample_files)
foreach(sample ${VELMO_GPL_SAMPLES})
  list(APPEND velmo_gpl_sample_files ${VELMO_GPL_SAMPLE_DIR}/${sample}.3do ${VELMO_GPL_SAMPLE_DIR}/${sample}.list)
endforeach()
add_custom_command(OUTPUT ${velmo_gpl_sample_files}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/gpl3do.py samples ${VELMO_GPL_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/gpl3do.py
                   COMMENT "Writing the GPL .3do samples")
add_custom_target(GPLSamples DEPENDS ${velmo_gpl_sample_files})
if(TARGET PapyGPLTests)
  add_dependencies(PapyGPLTests GPLSamples)
  target_compile_definitions(PapyGPLTests PRIVATE VELMO_GPL_SAMPLE_DIR="${VELMO_GPL_SAMPLE_DIR}")
endif()
