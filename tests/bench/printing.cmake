# Printing: a recorded page played onto the printer's job, page after page.
add_executable(bench_printing ${CMAKE_CURRENT_LIST_DIR}/printing/PrintingBench.cpp
  ${PROJECT_SOURCE_DIR}/tools/kelvppvw-emf/PageRecorder.cpp
  ${PROJECT_SOURCE_DIR}/examples/demo/SampleReport.cpp)
target_include_directories(bench_printing PRIVATE
  ${PROJECT_SOURCE_DIR}/tools/kelvppvw-emf ${PROJECT_SOURCE_DIR}/examples/demo ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_printing PRIVATE kelvppvw benchmark::benchmark)
