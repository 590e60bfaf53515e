# The INI parser and its edits on arbitrary bytes.
kelvppvw_fuzz(fuzz_profile
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/profile/IniFuzz.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/profile/IniDocument.cpp
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/profile)
