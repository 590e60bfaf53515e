# Profile engine: a key read on a large preview.ini, and the rewrite closing makes.
add_executable(bench_profile ${CMAKE_CURRENT_LIST_DIR}/profile/ProfileBench.cpp)
target_link_libraries(bench_profile PRIVATE kelvppvw benchmark::benchmark benchmark::benchmark_main)
target_include_directories(bench_profile PRIVATE ${PROJECT_SOURCE_DIR}/tests)
