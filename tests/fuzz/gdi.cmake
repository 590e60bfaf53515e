# The EMF player over arbitrary bytes. The gdi layer's own sources are
# compiled into the target so that coverage reaches the record decoding; the
# list comes from the layer, so a new source file cannot be forgotten here.
get_target_property(gdi_sources kelvppvw_gdi SOURCES)
get_target_property(gdi_dir kelvppvw_gdi SOURCE_DIR)
list(TRANSFORM gdi_sources PREPEND ${gdi_dir}/)
kelvppvw_fuzz(fuzz_emf_player
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/EmfPlayerFuzz.cpp
    ${gdi_sources}
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/emf
  LIBS kelvppvw_automation Qt6::Gui Qt6::Widgets)
