# SPDX-License-Identifier: GPL-3.0-or-later
# X11 foreground sampler and program icons.
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CX11ForegroundSampler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CDesktopEntryIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopEntryIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopEntryScan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11IconScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11Text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11InputFocus.cpp
)
