# The OpenGL error check, tested in a context of its own (Mesa, without a window) when EGL can
# make one.
find_package(OpenGL COMPONENTS OpenGL EGL)
add_executable(OpenGLErrorTests ${CMAKE_CURRENT_LIST_DIR}/XOpenGLTest.cpp)
target_link_libraries(OpenGLErrorTests PRIVATE VelmoOpenGLError GTest::gtest GTest::gtest_main)
if(OpenGL_EGL_FOUND)
  target_link_libraries(OpenGLErrorTests PRIVATE OpenGL::EGL)
  target_compile_definitions(OpenGLErrorTests PRIVATE VELMO_HAVE_EGL=1)
endif()
# The Mesa driver leaks a block of its own that it allocates in a module it has unloaded by the
# time the leak check runs, so no suppression can name it: the leak check is off for this
# program alone (address and undefined-behaviour checks stay on).
gtest_discover_tests(OpenGLErrorTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
