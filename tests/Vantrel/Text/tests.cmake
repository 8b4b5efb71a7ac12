# The texts of the panes: code page 1252 and UTF-8.
file(GLOB velmo_text_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(VantrelTextTests ${velmo_text_test_sources})
target_include_directories(VantrelTextTests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(VantrelTextTests PRIVATE VantrelText VelmoUtil GTest::gtest GTest::gtest_main)
gtest_discover_tests(VantrelTextTests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
