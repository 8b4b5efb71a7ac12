# The repository as a subproject of another build: a small project adds it with add_subdirectory,
# links a family of the game-file library and reads a file with it.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME Subproject.ConsumerBuildsAndReads
         COMMAND ${CMAKE_COMMAND} -DVANTREL_REPOSITORY=${PROJECT_SOURCE_DIR}
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/subproject -DPYTHON=${Python3_EXECUTABLE}
                 -P ${CMAKE_CURRENT_LIST_DIR}/BuildConsumer.cmake)
# It builds the library once more: alone, so that it never takes the processors from the GUI
# suites (whose toolkit and display server answer in their own time) under ctest -j.
set_tests_properties(Subproject.ConsumerBuildsAndReads PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
