# SPDX-License-Identifier: GPL-3.0-or-later
# Foreground backends of Wayland compositors, and the choice among all backends.
find_package(Qt6 REQUIRED COMPONENTS DBus Network)
set_property(TARGET hourglint_platform PROPERTY AUTOMOC ON)
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BusText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CBusNameOwner.cpp
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
# The wlroots foreign-toplevel backend and the idle notifications: plain libwayland-client,
# with the protocols' XML (shipped here) compiled by wayland-scanner at build time.
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
if(NOT WAYLAND_SCANNER)
  find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
endif()
set(_wl_out ${CMAKE_CURRENT_BINARY_DIR}/wayland)
file(MAKE_DIRECTORY ${_wl_out})
set(_wl_code)
set(_wl_headers)
foreach(_protocol wlr-foreign-toplevel-management-unstable-v1 ext-idle-notify-v1 kde-idle)
  set(_xml ${CMAKE_CURRENT_LIST_DIR}/wayland/${_protocol}.xml)
  add_custom_command(
    OUTPUT ${_wl_out}/${_protocol}-client-protocol.h ${_wl_out}/${_protocol}-protocol.c
    COMMAND ${WAYLAND_SCANNER} client-header ${_xml} ${_wl_out}/${_protocol}-client-protocol.h
    COMMAND ${WAYLAND_SCANNER} private-code ${_xml} ${_wl_out}/${_protocol}-protocol.c
    DEPENDS ${_xml}
    VERBATIM)
  list(APPEND _wl_code ${_wl_out}/${_protocol}-protocol.c)
  list(APPEND _wl_headers ${_wl_out}/${_protocol}-client-protocol.h)
endforeach()
# The generated code is C; compiled as such in a small library of its own.
enable_language(C)
add_library(hourglint_wayland_protocols STATIC ${_wl_code})
target_link_libraries(hourglint_wayland_protocols PUBLIC PkgConfig::WAYLAND_CLIENT)
target_include_directories(hourglint_wayland_protocols PUBLIC ${_wl_out})
target_sources(hourglint_platform PRIVATE
  ${_wl_headers}
  ${CMAKE_CURRENT_LIST_DIR}/AppIdExecutables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CWaylandClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CWaylandIdleTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CWlrForegroundSampler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopEntryFile.cpp
)
target_link_libraries(hourglint_platform PUBLIC hourglint_wayland_protocols)
