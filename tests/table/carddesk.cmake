# Widget tests of the table window and the Qt host, run offscreen.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(carddesk_tests
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_game_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_host_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_access_test.cpp
)
target_link_libraries(carddesk_tests PRIVATE
  blefino_table blefino_opponents blefino_core Qt6::Test GTest::gtest
  Qt6::GuiPrivate)  # switches accessibility on, as Qt's own tests do
gtest_discover_tests(carddesk_tests
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "widget" TIMEOUT 60
  DISCOVERY_TIMEOUT 30)
