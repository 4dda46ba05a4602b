#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads CHANGELOG.md, the one place where versions and release dates are written.
# Usage: changelog.sh version|releases|debian CHANGELOG.md
#   version   the newest version
#   releases  AppStream <release> lines, newest first
#   debian    the changelog in Debian's format (the package's changelog.gz)
set -eu
mode="$1"
file="$2"
# Headings read "## VERSION (YYYY-MM-DD HH:MM)" in UTC; entries are "- " items with indented continuations.
case "$mode" in
version)
  sed -n 's/^## \([0-9][0-9.]*\) (.*/\1/p' "$file" | head -n 1
  ;;
releases)
  sed -n 's/^## \([0-9][0-9.]*\) (\([0-9-]*\).*).*/    <release version="\1" date="\2"\/>/p' "$file"
  ;;
debian)
  awk '
    function close_entry() {
      if (version == "") return
      cmd = "LC_ALL=C TZ=UTC date -R -d \"" date " UTC\""
      cmd | getline stamp
      close(cmd)
      printf "\n -- Hourglint <support@hourglint.org>  %s\n", stamp
    }
    /^## [0-9]/ {
      close_entry()
      if (version != "") printf "\n"
      version = $2
      date = $3 " " $4
      gsub(/[()]/, "", date)
      printf "hourglint (%s) unstable; urgency=medium\n\n", version
      next
    }
    version == "" { next }
    /^- / { sub(/^- /, ""); printf "  * %s\n", $0; next }
    /^  [^ ]/ { sub(/^  /, ""); printf "    %s\n", $0; next }
    END { close_entry() }
  ' "$file"
  ;;
*)
  echo "usage: changelog.sh version|releases|debian CHANGELOG.md" >&2
  exit 2
  ;;
esac
