# The picture store: card faces, backs, portraits and globe frames drawn in code.
add_library(blefino_pictures STATIC
  ${CMAKE_CURRENT_LIST_DIR}/form1.h
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1_faces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1_backs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1_portraits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1_globus.cpp
)
target_include_directories(blefino_pictures PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(blefino_pictures PUBLIC Qt6::Gui)

# Contact sheet of every picture, for looking at them: blefino-pictures OUT.png [--dpr 2]
add_executable(blefino-pictures ${PROJECT_SOURCE_DIR}/tools/blefino-pictures/main.cpp)
target_link_libraries(blefino-pictures PRIVATE blefino_pictures)
