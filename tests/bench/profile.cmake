# Profile engine and page-file housekeeping: key reads on a large preview.ini,
# and the purge of a large clean-up list.
add_executable(bench_profile ${CMAKE_CURRENT_LIST_DIR}/profile/ProfileBench.cpp)
target_link_libraries(bench_profile PRIVATE kelvppvw benchmark::benchmark benchmark::benchmark_main)
target_include_directories(bench_profile PRIVATE ${PROJECT_SOURCE_DIR}/tests)
