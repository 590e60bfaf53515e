add_executable(bench_printer ${CMAKE_CURRENT_LIST_DIR}/PrinterBench.cpp)
target_link_libraries(bench_printer PRIVATE kelvppvw benchmark::benchmark)
