add_executable(form1_test ${CMAKE_CURRENT_LIST_DIR}/form1_test.cpp)
target_link_libraries(form1_test PRIVATE blefino_pictures GTest::gtest)
gtest_discover_tests(form1_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
