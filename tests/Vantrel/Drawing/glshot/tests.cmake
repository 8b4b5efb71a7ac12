# glshot: one node of a 3D-object file rendered offscreen into a PNG, as the 3D-object pane
# draws it. Its check (label gl) renders a generated track plan and probes the picture's pixels.
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_executable(glshot ${CMAKE_CURRENT_LIST_DIR}/glshot.cpp ${CMAKE_CURRENT_LIST_DIR}/PngWriter.cpp)
target_include_directories(glshot PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(glshot PRIVATE VantrelDrawing ${VELMO_PAPY_LIBRARIES} OpenGL::EGL)
add_test(NAME GLShot.Pictures
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/glshot_check.py $<TARGET_FILE:glshot>
                 ${CMAKE_CURRENT_BINARY_DIR}/glshot-check)
set_tests_properties(GLShot.Pictures PROPERTIES LABELS gl SKIP_RETURN_CODE 77
                     ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
