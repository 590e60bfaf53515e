# Page recording and playback.
add_executable(bench_gdi
  ${CMAKE_CURRENT_SOURCE_DIR}/gdi/PageBenchmark.cpp
  ${PROJECT_SOURCE_DIR}/tools/kelvppvw-emf/PageRecorder.cpp)
target_include_directories(bench_gdi PRIVATE ${PROJECT_SOURCE_DIR}/tools/kelvppvw-emf)
target_link_libraries(bench_gdi PRIVATE kelvppvw benchmark::benchmark Qt6::Gui)
