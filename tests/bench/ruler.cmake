# Paper ruler: the full repaint a layout pass or unit change causes (its
# marker moves are part of bench_pointer's pointer move).
add_executable(bench_ruler ${CMAKE_CURRENT_LIST_DIR}/ruler/RulerBench.cpp)
target_link_libraries(bench_ruler PRIVATE kelvppvw_ruler benchmark::benchmark)
target_include_directories(bench_ruler PRIVATE ${PROJECT_SOURCE_DIR}/tests)
