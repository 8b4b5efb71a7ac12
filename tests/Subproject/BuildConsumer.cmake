# Configures and builds the consumer project (consumer/) against this repository, writes a PCX
# palette and checks what the consumer reads from it. Run as
#   cmake -DVANTREL_REPOSITORY=<repository> -DWORK=<scratch folder> -DPYTHON=<python3> -P BuildConsumer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(generator)
find_program(ninja ninja)
if(ninja)
  set(generator -G Ninja)
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed (${result}):\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

cmake_path(GET CMAKE_SCRIPT_MODE_FILE PARENT_PATH here)
run(${CMAKE_COMMAND} -S ${here}/consumer -B ${WORK}/build ${generator} -DCMAKE_BUILD_TYPE=Release
    -DVANTREL_REPOSITORY=${VANTREL_REPOSITORY})
# A few jobs: the machine may be shared (the rest of the suite, other builds).
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
if(cores GREATER 4)
  set(cores 4)
endif()
run(${CMAKE_COMMAND} --build ${WORK}/build --target palette-reader -j ${cores})

# A 256-colour PCX: a 128-byte header, one byte of image, the marker 12 and the palette, whose
# entry i is (i, 255 - i, 3 * i mod 256).
run(${PYTHON} -c "import sys
palette = bytes(v for i in range(256) for v in (i, 255 - i, 3 * i % 256))
open(sys.argv[1], 'wb').write(bytes([10, 5, 1, 8]) + bytes(124) + bytes([0, 12]) + palette)"
    ${WORK}/sample.pcx)
find_program(reader palette-reader PATHS ${WORK}/build NO_DEFAULT_PATH REQUIRED)
run(${reader} ${WORK}/sample.pcx)
if(NOT output STREQUAL "256 entries; entry 1: 1 254 3\n")
  message(FATAL_ERROR "The consumer read: ${output}")
endif()
message(STATUS "The consumer built against ${VANTREL_REPOSITORY} read: ${output}")
