# Viewer: recording the demo page, one render of it at fit and at 200 %, a
# layout pass, a page change, a pointer move and printing it page after page.
add_executable(bench_viewer ${CMAKE_CURRENT_LIST_DIR}/viewer/ViewerBench.cpp
  ${PROJECT_SOURCE_DIR}/tools/kelvppvw-emf/PageRecorder.cpp
  ${PROJECT_SOURCE_DIR}/examples/demo/SampleReport.cpp)
target_include_directories(bench_viewer PRIVATE
  ${PROJECT_SOURCE_DIR}/tools/kelvppvw-emf ${PROJECT_SOURCE_DIR}/examples/demo ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_viewer PRIVATE kelvppvw benchmark::benchmark)
