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
