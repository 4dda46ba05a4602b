# SPDX-License-Identifier: GPL-3.0-or-later
# Away time: lock state over D-Bus, idle time from MIT-SCREEN-SAVER on X11 or from Mutter.
find_package(Qt6 REQUIRED COMPONENTS DBus)
pkg_check_modules(XCB_SCREENSAVER REQUIRED IMPORTED_TARGET xcb-screensaver)
set_property(TARGET hourglint_platform PROPERTY AUTOMOC ON)
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CMutterIdleTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSessionPresence.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CX11IdleTime.cpp
)
target_link_libraries(hourglint_platform PUBLIC Qt6::DBus PkgConfig::XCB_SCREENSAVER)
