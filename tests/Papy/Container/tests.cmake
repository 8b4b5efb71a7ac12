# The independent writer and checker of DAT containers checks itself; the container tests read
# the archives it writes (into the build folder, before the test program is built) and have it
# check the archives that Save writes.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME DatIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/datfile.py selftest
                 ${CMAKE_CURRENT_BINARY_DIR}/datfile-selftest)

set(VELMO_DAT_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/datsamples)
add_custom_command(OUTPUT ${VELMO_DAT_SAMPLE_DIR}/samples.list ${VELMO_DAT_SAMPLE_DIR}/messages.list
                          ${VELMO_DAT_SAMPLE_DIR}/n4-huge.dat
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/datfile.py samples ${VELMO_DAT_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/datfile.py
                   COMMENT "Writing the DAT container samples")
add_custom_target(DatSamples DEPENDS ${VELMO_DAT_SAMPLE_DIR}/samples.list ${VELMO_DAT_SAMPLE_DIR}/messages.list)
if(TARGET PapyContainerTests)
  add_dependencies(PapyContainerTests DatSamples)
  target_compile_definitions(PapyContainerTests PRIVATE VELMO_DAT_SAMPLE_DIR="${VELMO_DAT_SAMPLE_DIR}"
                             VELMO_DATFILE_PY="${CMAKE_CURRENT_LIST_DIR}/datfile.py"
                             VELMO_PYTHON3="${Python3_EXECUTABLE}")
endif()
# The factory's tests open the 4 GiB entry as the hexadecimal dump does.
if(TARGET PapyFactoryTests)
  add_dependencies(PapyFactoryTests DatSamples)
  target_compile_definitions(PapyFactoryTests PRIVATE VELMO_DAT_SAMPLE_DIR="${VELMO_DAT_SAMPLE_DIR}")
endif()
