# Forms: a layout pass over 20 child controls and a one-page PaintPicture.
add_executable(bench_forms ${CMAKE_CURRENT_LIST_DIR}/forms/FormsBench.cpp)
target_link_libraries(bench_forms PRIVATE kelvppvw_forms benchmark::benchmark)
