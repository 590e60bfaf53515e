# Navigation: one page change, from the page list's Click to the page painted on screen.
add_executable(bench_navigation ${CMAKE_CURRENT_LIST_DIR}/navigation/PageChangeBench.cpp
  ${PROJECT_SOURCE_DIR}/examples/demo/SampleReport.cpp)
target_include_directories(bench_navigation PRIVATE ${PROJECT_SOURCE_DIR}/examples/demo ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_navigation PRIVATE kelvppvw benchmark::benchmark)
