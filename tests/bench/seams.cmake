# Seams: gdi drawing on a picture box's DC, and a recorded page played onto it.
add_executable(bench_seams ${CMAKE_CURRENT_LIST_DIR}/seams/SeamsBench.cpp)
target_link_libraries(bench_seams PRIVATE kelvppvw_seams benchmark::benchmark)
