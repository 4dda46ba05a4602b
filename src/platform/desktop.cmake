# SPDX-License-Identifier: GPL-3.0-or-later
# Settings store, autorun, program folder, private folders, the database lock and the files a
# report writes.
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CQtSettingsStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CAutorun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrivateFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CDatabaseLock.cpp
)
