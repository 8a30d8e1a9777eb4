#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what lands there: the
# program, its menu entry (valid for the desktop), its icon and its MIME types.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
expect() { [ -e "$prefix/$1" ] || { echo "missing after install: $1"; fail=1; }; }
expect bin/tavlo
expect share/applications/tavlo.desktop
expect share/icons/hicolor/scalable/apps/tavlo.svg
expect share/mime/packages/tavlo.xml
[ -x "$prefix/bin/tavlo" ] || { echo "bin/tavlo is not executable"; fail=1; }

desktop=$prefix/share/applications/tavlo.desktop
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail=1
else
  echo "desktop-file-validate not found: the menu entry was not validated"
fi
grep -q '^Exec=tavlo %f$' "$desktop" || { echo "the menu entry does not open a file with tavlo"; fail=1; }
grep -q '^Name\[pl\]=\|^GenericName\[pl\]=' "$desktop" || { echo "no Polish name in the menu entry"; fail=1; }
# Every extension the program colours has a type the menu entry claims.
for type in text/x-csrc text/x-c++src text/x-pascal text/css text/html application/javascript \
            application/x-php application/xml application/sql text/x-delphi-form text/x-ini text/x-tavlo-schema; do
  grep -q "^MimeType=.*$type;" "$desktop" || { echo "the menu entry does not claim $type"; fail=1; }
done
if command -v xmllint >/dev/null; then xmllint --noout "$prefix/share/mime/packages/tavlo.xml" || fail=1; fi
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/tavlo.svg" || { echo "the icon is no SVG"; fail=1; }

exit $fail
