# Page production end to end: the demo's report drawn through Dispatch into
# page files on disk.
add_executable(bench_production ${CMAKE_CURRENT_LIST_DIR}/production/ProductionBench.cpp
  ${PROJECT_SOURCE_DIR}/examples/demo/SampleReport.cpp)
target_link_libraries(bench_production PRIVATE kelvppvw benchmark::benchmark)
target_include_directories(bench_production PRIVATE ${PROJECT_SOURCE_DIR}/examples/demo ${PROJECT_SOURCE_DIR}/tests)
