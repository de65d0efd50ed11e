# Start-up time and memory of the game's windows; run
#   benchmarks/windows/startup_and_memory.sh BUILD_DIR
# under Xvfb (the script starts its own when DISPLAY is unset).
if(NOT TARGET Qt6::Widgets)
  return()
endif()
find_package(X11 REQUIRED)
add_executable(blefino_window_watch ${CMAKE_CURRENT_LIST_DIR}/windows/window_watch.cpp)
target_link_libraries(blefino_window_watch PRIVATE X11::X11)
add_executable(blefino_minimal_window ${CMAKE_CURRENT_LIST_DIR}/windows/minimal_window.cpp)
target_link_libraries(blefino_minimal_window PRIVATE Qt6::Widgets)
set_target_properties(blefino_window_watch blefino_minimal_window PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/benchmarks/windows)
