# The OpenGL error check, tested in a context of its own (Mesa, without a window) when EGL can
# make one.
find_package(OpenGL COMPONENTS OpenGL EGL)
add_executable(OpenGLErrorTests ${CMAKE_CURRENT_LIST_DIR}/XOpenGLTest.cpp)
target_link_libraries(OpenGLErrorTests PRIVATE VelmoOpenGLError GTest::gtest GTest::gtest_main)
if(OpenGL_EGL_FOUND)
  target_link_libraries(OpenGLErrorTests PRIVATE OpenGL::EGL)
  target_compile_definitions(OpenGLErrorTests PRIVATE VELMO_HAVE_EGL=1)
endif()
gtest_discover_tests(OpenGLErrorTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
