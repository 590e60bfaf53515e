# The purge of stale runs over any Cleanup.ini, with real page files.
set(recording_dir ${PROJECT_SOURCE_DIR}/src/recording)
set(profile_dir ${PROJECT_SOURCE_DIR}/src/platform/profile)
kelvppvw_fuzz(fuzz_cleanup_purge
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/recording/PurgeFuzz.cpp
    ${recording_dir}/FileAccessError.cpp
    ${recording_dir}/LocalDateTime.cpp
    ${recording_dir}/PageFiles.cpp
    ${recording_dir}/PageFolder.cpp
    ${recording_dir}/RecordingHooks.cpp
    ${recording_dir}/StampCleanup.cpp
    ${profile_dir}/IniDocument.cpp
    ${profile_dir}/PrivateProfile.cpp
    ${profile_dir}/ProfileFile.cpp
    ${PROJECT_SOURCE_DIR}/src/settings/ProfileStore.cpp
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/cleanup
  LIBS kelvppvw_automation)
