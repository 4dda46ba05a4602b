# SPDX-License-Identifier: GPL-3.0-or-later
# The GNOME Shell backend and its extension. The extension comes in two forms with one
include(GNUInstallDirs)
# UUID: classic for GNOME Shell 43-44, ES module for 45 and later. Both are built into the
# program; install puts in place the form that fits the GNOME Shell found now.
set(HOURGLINT_GNOME_UUID "hourglint-focused-window@hourglint" CACHE INTERNAL "")
set(_gnome_src ${CMAKE_CURRENT_LIST_DIR}/gnome)
set(_gnome_out ${CMAKE_CURRENT_BINARY_DIR}/gnome)
file(READ ${_gnome_src}/FocusedWindow.js _gnome_body)
foreach(_form classic module)
  file(READ ${_gnome_src}/head-${_form}.js _head)
  file(READ ${_gnome_src}/tail-${_form}.js _tail)
  file(CONFIGURE OUTPUT ${_gnome_out}/${_form}/extension.js
       CONTENT "${_head}${_gnome_body}${_tail}" @ONLY)
  if(_form STREQUAL classic)
    set(VERSIONS "\"43\", \"44\"")
  else()
    set(VERSIONS "\"45\", \"46\", \"47\", \"48\", \"49\"")
  endif()
  set(UUID ${HOURGLINT_GNOME_UUID})
  configure_file(${_gnome_src}/metadata.json.in ${_gnome_out}/${_form}/metadata.json @ONLY)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${_gnome_src}/FocusedWindow.js ${_gnome_src}/head-classic.js ${_gnome_src}/tail-classic.js
  ${_gnome_src}/head-module.js ${_gnome_src}/tail-module.js ${_gnome_src}/metadata.json.in)
qt_add_resources(hourglint_platform hourglint_gnome_extension
  PREFIX /gnome BASE ${_gnome_out}
  FILES ${_gnome_out}/classic/extension.js ${_gnome_out}/classic/metadata.json
        ${_gnome_out}/module/extension.js ${_gnome_out}/module/metadata.json)
target_compile_definitions(hourglint_platform PRIVATE
  HOURGLINT_GNOME_UUID="${HOURGLINT_GNOME_UUID}")
set_target_properties(hourglint_platform PROPERTIES AUTOMOC ON)
target_sources(hourglint_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CGnomeForegroundSampler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GnomeExtension.cpp
)

# The form for the GNOME Shell of the build machine; the module form when there is none.
find_program(GNOME_SHELL_PROGRAM gnome-shell)
set(_gnome_form module)
if(GNOME_SHELL_PROGRAM)
  execute_process(COMMAND ${GNOME_SHELL_PROGRAM} --version OUTPUT_VARIABLE _gnome_version
                  ERROR_QUIET)
  if(_gnome_version MATCHES "([0-9]+)\\.")
    if(CMAKE_MATCH_1 LESS 45)
      set(_gnome_form classic)
    endif()
  endif()
endif()
install(FILES ${_gnome_out}/${_gnome_form}/extension.js ${_gnome_out}/${_gnome_form}/metadata.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/gnome-shell/extensions/${HOURGLINT_GNOME_UUID})
