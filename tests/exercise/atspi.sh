#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: on a virtual screen with its own
# session bus and accessibility bus, atspi.py presses "7" through AT-SPI and
# reads it back from the answer. Exits 77 (skipped), saying why, when any of
# those cannot start here.
set -uo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
programma="$build/Sottrazioni"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

salta() { echo "SKIPPED: $*"; exit 77; }
[ -x "$programma" ] || salta "no program at $programma"
command -v xvfb-run >/dev/null || salta "xvfb-run is missing (package xvfb)"
command -v dbus-run-session >/dev/null || salta "dbus-run-session is missing (package dbus-daemon)"
[ -x "$launcher" ] || salta "the accessibility bus launcher is missing (package at-spi2-core)"
"$python" -c "import pyatspi" 2>/dev/null || salta "Debian's python3-pyatspi is missing"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export PROGRAMMA="$programma" PYTHON="$python" LAUNCHER="$launcher" HERE="$here" WORK="$work"
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -uo pipefail -c '
  "$LAUNCHER" --launch-immediately >/dev/null 2>&1 &
  cd "$WORK"
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$PROGRAMMA" &
  pid=$!
  "$PYTHON" "$HERE/atspi.py"
  esito=$?
  if ! kill "$pid" 2>/dev/null; then
    echo "the program ended before the check was done"
    esito=1
  fi
  exit $esito
'
esito=$?
[ "$esito" -eq 0 ] || [ "$esito" -eq 77 ] || echo "FAILED (exit $esito)"
exit "$esito"
