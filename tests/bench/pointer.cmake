# Pointer tracking over the page: one move with its cross hairs, ruler
# markers and position panels, painted as the window would paint it.
add_executable(bench_pointer ${CMAKE_CURRENT_LIST_DIR}/pointer/PointerMoveBench.cpp)
target_link_libraries(bench_pointer PRIVATE kelvppvw benchmark::benchmark)
target_include_directories(bench_pointer PRIVATE ${PROJECT_SOURCE_DIR}/tests)
