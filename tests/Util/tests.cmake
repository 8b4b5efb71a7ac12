# Independent implementations of the PKWARE implode format from Debian's packages, used as
# oracles by the compression cross-checks. Each is optional: the tests skip without it.
if(TARGET UtilTests)
  find_path(VELMO_STORMLIB_INCLUDE StormLib.h)
  find_library(VELMO_STORMLIB_LIBRARY storm)
  if(VELMO_STORMLIB_INCLUDE AND VELMO_STORMLIB_LIBRARY)
    target_include_directories(UtilTests PRIVATE ${VELMO_STORMLIB_INCLUDE})
    target_link_libraries(UtilTests PRIVATE ${VELMO_STORMLIB_LIBRARY})
    target_compile_definitions(UtilTests PRIVATE VELMO_HAVE_STORMLIB=1)
  endif()

  find_path(VELMO_DYNAMITE_INCLUDE libdynamite.h)
  find_library(VELMO_DYNAMITE_LIBRARY dynamite)
  if(VELMO_DYNAMITE_INCLUDE AND VELMO_DYNAMITE_LIBRARY)
    target_include_directories(UtilTests PRIVATE ${VELMO_DYNAMITE_INCLUDE})
    target_link_libraries(UtilTests PRIVATE ${VELMO_DYNAMITE_LIBRARY})
    target_compile_definitions(UtilTests PRIVATE VELMO_HAVE_DYNAMITE=1)
  endif()
endif()

# The coder is also checked against a plain Python model of its match rules.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
if(TARGET UtilTests)
  target_compile_definitions(UtilTests PRIVATE VELMO_PYTHON3="${Python3_EXECUTABLE}")
endif()
add_test(NAME ImplodeModelSelfTest COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/implode_model.py selftest)

# The layering check refuses an include across a family link the family list does not have.
add_test(NAME LayeringCheck.RefusesUnlistedLinks
         COMMAND ${CMAKE_COMMAND} -DVELMO_SOURCE_DIR=${PROJECT_SOURCE_DIR} -DVELMO_WORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/layering-check
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/Util/LayeringCheck.cmake)
