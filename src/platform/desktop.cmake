# Settings store, autorun and program folder.
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CQtSettingsStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CAutorun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
)
