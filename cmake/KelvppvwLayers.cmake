# Every layer is a static, position-independent library that the shared
# component library swallows whole; tests of a platform layer link just that
# layer, tests of anything above link the shared library (never both: the
# component's module state must exist once per process).
set_property(GLOBAL PROPERTY KELVPPVW_LAYER_TARGETS "")
set_property(GLOBAL PROPERTY KELVPPVW_PUBLIC_HEADERS "")

# kelvppvw_layer(<target> SOURCES ... [DEPS ...] [PUBLIC_HEADERS ...])
function(kelvppvw_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PUBLIC_HEADERS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>)
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
  set_property(GLOBAL APPEND PROPERTY KELVPPVW_LAYER_TARGETS ${name})
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(h IN LISTS ARG_PUBLIC_HEADERS)
    set_property(GLOBAL APPEND PROPERTY KELVPPVW_PUBLIC_HEADERS "${rel}|${CMAKE_CURRENT_SOURCE_DIR}/${h}")
  endforeach()
endfunction()

# kelvppvw_test(<area> SOURCES ... LIBS ...): one test executable per area.
function(kelvppvw_test area)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  string(REPLACE "/" "_" exe "test_${area}")
  add_executable(${exe} ${ARG_SOURCES})
  target_link_libraries(${exe} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${exe} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen DISCOVERY_TIMEOUT 60)
endfunction()
