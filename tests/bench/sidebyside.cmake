# Our preview against Qt's QPrintPreviewWidget on the same report (run by hand:
# bench_side_by_side --pages N; not a ctest).
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
add_executable(bench_side_by_side
  ${CMAKE_CURRENT_LIST_DIR}/sidebyside/OurSide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sidebyside/QtSide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sidebyside/SideBySide.cpp)
target_link_libraries(bench_side_by_side PRIVATE kelvppvw Qt6::Widgets Qt6::PrintSupport)
target_include_directories(bench_side_by_side PRIVATE ${PROJECT_SOURCE_DIR}/tests)
