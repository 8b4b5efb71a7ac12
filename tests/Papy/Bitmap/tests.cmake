# The independent writer and checker of GPL bitmap files checks itself: it writes its samples,
# reads each one back and proves that it refuses every crafted broken file with its message.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME BitmapIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/bitmap.py selftest
                 ${CMAKE_CURRENT_BINARY_DIR}/bitmap-selftest)

# The sample files the tests read, written into the build folder before the test program is built.
set(VELMO_BITMAP_SAMPLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/bitmap-samples)
add_custom_command(OUTPUT ${VELMO_BITMAP_SAMPLE_DIR}/samples.txt ${VELMO_BITMAP_SAMPLE_DIR}/bad/messages.txt
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/bitmap.py samples ${VELMO_BITMAP_SAMPLE_DIR}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/bitmap.py
                   COMMENT "Writing the GPL bitmap samples")
add_custom_target(BitmapSamples DEPENDS ${VELMO_BITMAP_SAMPLE_DIR}/samples.txt)
if(TARGET PapyBitmapTests)
  add_dependencies(PapyBitmapTests BitmapSamples)
  target_compile_definitions(PapyBitmapTests PRIVATE VELMO_BITMAP_SAMPLE_DIR="${VELMO_BITMAP_SAMPLE_DIR}"
                             VELMO_PYTHON3="${Python3_EXECUTABLE}")
endif()
