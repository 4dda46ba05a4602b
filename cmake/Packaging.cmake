# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by scripts/package.sh with cpack. Its dependencies are computed
# by dpkg-shlibdeps from the libraries the program links; Qt's platform and image plugins
# come with those libraries' packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hourglint)
set(CPACK_PACKAGE_VENDOR "Hourglint")
set(CPACK_PACKAGE_CONTACT "Hourglint <support@hourglint.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://hourglint.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "measures how long each program is in the foreground")
# Wrapped at 80 columns, as Debian's long descriptions are.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Hourglint credits every second to the program whose window is in front,\n\
keeps the history per program, day and hour in a local SQLite database, shows\n\
today's totals in a small always-on-top window and reports a day against the\n\
average day of the last week, month and year, in its window or from the\n\
command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt D-Bus (KWin) and Qt Network (sway's socket) come through the libraries; the Wayland
# platform plugin, which a session whose Xwayland refuses us falls back to, is a plugin no
# library names. Qt's own translations (qtbase_*.qm, for the standard buttons and dialogs)
# are read from Qt's folder, not copied; Chinese text needs a CJK font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The package lands in build/package/.
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
