# The component: one shared library made of every layer.
get_property(layer_targets GLOBAL PROPERTY KELVPPVW_LAYER_TARGETS)

add_library(kelvppvw SHARED ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
add_library(kelvppvw::kelvppvw ALIAS kelvppvw)
# Whole archives: the layers' registration code and exported entry points have
# no caller inside the library. Later repeats of a layer (pulled in by another
# layer's usage requirements) are harmless.
target_link_libraries(kelvppvw PRIVATE -Wl,--whole-archive ${layer_targets} -Wl,--no-whole-archive)
target_link_libraries(kelvppvw PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
target_include_directories(kelvppvw PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kelvppvw>)
# A sanitized shared library leaves the sanitizer runtime to the program
# that loads it, so only an ordinary build can insist on no undefined symbols.
if(NOT KELVPPVW_SANITIZE)
  target_link_options(kelvppvw PRIVATE -Wl,--no-undefined)
endif()
set_target_properties(kelvppvw PROPERTIES
  VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})

include(CMakePackageConfigHelpers)
install(TARGETS kelvppvw EXPORT kelvppvwTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/kelvppvw/kelvppvw.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelvppvw)
get_property(public_headers GLOBAL PROPERTY KELVPPVW_PUBLIC_HEADERS)
foreach(entry IN LISTS public_headers)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 rel)
  list(GET parts 1 file)
  install(FILES ${file} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelvppvw/${rel})
endforeach()
install(EXPORT kelvppvwTargets NAMESPACE kelvppvw::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kelvppvw)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/kelvppvwConfig.cmake.in
  ${PROJECT_BINARY_DIR}/kelvppvwConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kelvppvw)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/kelvppvwConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/kelvppvwConfig.cmake
  ${PROJECT_BINARY_DIR}/kelvppvwConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kelvppvw)
# Relocatable: the prefix is found from the .pc file's own place.
file(RELATIVE_PATH KELVPPVW_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
configure_file(${PROJECT_SOURCE_DIR}/cmake/kelvppvw.pc.in
  ${PROJECT_BINARY_DIR}/kelvppvw.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kelvppvw.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
