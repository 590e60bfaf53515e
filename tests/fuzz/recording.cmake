# The purge of stale runs over any Cleanup.ini, with real page files. The
# profile layer's sources come from the layer itself, so a new file there
# cannot be forgotten here.
get_target_property(profile_sources kelvppvw_platform_profile SOURCES)
get_target_property(profile_dir kelvppvw_platform_profile SOURCE_DIR)
list(TRANSFORM profile_sources PREPEND ${profile_dir}/)
set(recording_dir ${PROJECT_SOURCE_DIR}/src/recording)
kelvppvw_fuzz(fuzz_cleanup_purge
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/recording/PurgeFuzz.cpp
    ${recording_dir}/FileAccessError.cpp
    ${recording_dir}/LocalDateTime.cpp
    ${recording_dir}/OpenPageFolder.cpp
    ${recording_dir}/PageFiles.cpp
    ${recording_dir}/PageFolder.cpp
    ${recording_dir}/RecordingHooks.cpp
    ${recording_dir}/StampCleanup.cpp
    ${profile_sources}
    ${PROJECT_SOURCE_DIR}/src/settings/ProfileStore.cpp
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/cleanup
  LIBS kelvppvw_automation)
