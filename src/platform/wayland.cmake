# SPDX-License-Identifier: GPL-3.0-or-later
# Foreground backends of Wayland compositors, and the choice among all backends.
find_package(Qt6 REQUIRED COMPONENTS DBus Network)
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKWinForegroundSampler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSwayForegroundSampler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ForegroundBackend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProcessExecutable.cpp
)
target_link_libraries(hourglint_platform PUBLIC Qt6::DBus Qt6::Network)
# The script KWin runs for us, read from the resources at start.
qt_add_resources(hourglint_platform hourglint_kwin_script
  PREFIX /kwin BASE ${CMAKE_CURRENT_LIST_DIR}/kwin
  FILES ${CMAKE_CURRENT_LIST_DIR}/kwin/ActiveWindow.js)
# The wlroots foreign-toplevel backend: plain libwayland-client, with the protocol's XML
# (shipped here) compiled by wayland-scanner at build time.
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
if(NOT WAYLAND_SCANNER)
  find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
endif()
set(_wlr_xml ${CMAKE_CURRENT_LIST_DIR}/wayland/wlr-foreign-toplevel-management-unstable-v1.xml)
set(_wlr_out ${CMAKE_CURRENT_BINARY_DIR}/wayland)
file(MAKE_DIRECTORY ${_wlr_out})
add_custom_command(
  OUTPUT ${_wlr_out}/wlr-foreign-toplevel-management-unstable-v1-client-protocol.h
         ${_wlr_out}/wlr-foreign-toplevel-management-unstable-v1-protocol.c
  COMMAND ${WAYLAND_SCANNER} client-header ${_wlr_xml}
          ${_wlr_out}/wlr-foreign-toplevel-management-unstable-v1-client-protocol.h
  COMMAND ${WAYLAND_SCANNER} private-code ${_wlr_xml}
          ${_wlr_out}/wlr-foreign-toplevel-management-unstable-v1-protocol.c
  DEPENDS ${_wlr_xml}
  VERBATIM)
# The generated code is C; compiled as such in a small library of its own.
enable_language(C)
add_library(hourglint_wlr_protocol STATIC
  ${_wlr_out}/wlr-foreign-toplevel-management-unstable-v1-protocol.c)
target_link_libraries(hourglint_wlr_protocol PUBLIC PkgConfig::WAYLAND_CLIENT)
target_include_directories(hourglint_wlr_protocol PUBLIC ${_wlr_out})
target_sources(hourglint_platform PRIVATE
  ${_wlr_out}/wlr-foreign-toplevel-management-unstable-v1-client-protocol.h
  ${CMAKE_CURRENT_LIST_DIR}/AppIdExecutables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CWlrForegroundSampler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopEntryFile.cpp
)
target_link_libraries(hourglint_platform PUBLIC hourglint_wlr_protocol)
