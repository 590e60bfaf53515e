# The EMF player over arbitrary bytes. The gdi sources are compiled into the
# target so that coverage reaches the record decoding.
set(gdi_dir ${PROJECT_SOURCE_DIR}/src/platform/gdi)
kelvppvw_fuzz(fuzz_emf_player
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/EmfPlayerFuzz.cpp
    ${gdi_dir}/DibCodec.cpp
    ${gdi_dir}/EmfFileInfo.cpp
    ${gdi_dir}/EmfPlaybackState.cpp
    ${gdi_dir}/EmfPlayer.cpp
    ${gdi_dir}/EmfWriter.cpp
    ${gdi_dir}/FontMetrics.cpp
    ${gdi_dir}/Gdi.cpp
    ${gdi_dir}/GdiImages.cpp
    ${gdi_dir}/HandleTable.cpp
    ${gdi_dir}/QtRuntime.cpp
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/emf
  LIBS Qt6::Gui Qt6::Widgets)
