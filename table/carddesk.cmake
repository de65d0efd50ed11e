# The table window: shows the table model, forwards the player's clicks.
add_library(blefino_table STATIC
  ${CMAKE_CURRENT_LIST_DIR}/carddesk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk.h
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_art.h
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_table.h
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_scale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_pictures.h
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_access.cpp
  ${CMAKE_CURRENT_LIST_DIR}/carddesk_access.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_host.h
)
target_include_directories(blefino_table PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(blefino_table PUBLIC blefino_core blefino_pictures Qt6::Widgets)
