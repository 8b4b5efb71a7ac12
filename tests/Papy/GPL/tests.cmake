# The independent generator and checker of GPL .3do files checks itself: it writes its sample
# files, checks each one and proves that it refuses broken ones.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME GPL3doIndependentChecker
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/gpl3do.py selftest
                 ${CMAKE_CURRENT_BINARY_DIR}/gpl3do-selftest)
if(TARGET PapyGPLTests)
  target_compile_definitions(PapyGPLTests PRIVATE VELMO_PYTHON3="${Python3_EXECUTABLE}")
endif()
