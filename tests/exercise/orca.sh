#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind pupil's run of 20 with a real screen reader: on a virtual screen
# with its own session and accessibility buses, a window manager, the speech
# service on a silent sound device and Orca in Italian, orca.py drives the
# program with keys alone and checks what Orca says. Everything runs in a
# process namespace of its own where that can be had, so that nothing started
# here outlives the test. Exits 77 (skipped), saying why, where any of those
# cannot start here.
set -uo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
programma="$build/Sottrazioni"

salta() { echo "SKIPPED: $*"; exit 77; }
[ -x "$programma" ] || salta "no program at $programma"
for c in xvfb-run dbus-run-session openbox orca speech-dispatcher xdotool; do
  command -v "$c" >/dev/null || salta "$c is missing (scripts/setup installs it)"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || salta "the accessibility bus launcher is missing (package at-spi2-core)"
locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' || salta "the it_IT.UTF-8 locale is not generated (scripts/setup does it)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A home of the test's own: Orca's and the speech service's settings, and no
# sound card but ALSA's null device.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/orca" "$work/programma"
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo 'pcm.!default { type null }' > "$HOME/.asoundrc"
{ cat /etc/speech-dispatcher/speechd.conf 2>/dev/null; echo 'AudioOutputMethod "alsa"'; } \
  > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
# Orca's log is block-buffered: each line must be there when it is spoken.
cat > "$work/orca/orca-customizations.py" <<'PY'
import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
PY
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 LANGUAGE=it
export PROGRAMMA="$programma" LAVORO="$work"

sessione=(xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  openbox --sm-disable >/dev/null 2>&1 &
  exec /usr/bin/python3 "$0"' "$here/orca.py")
# The namespace's first process ends everything in it when it ends.
if [ "$(id -u)" -eq 0 ] && unshare -p -f --mount-proc true 2>/dev/null; then
  unshare -p -f --mount-proc --kill-child bash -c '"$@"; exit $?' primo "${sessione[@]}"
else
  "${sessione[@]}"
fi
esito=$?
[ "$esito" -eq 0 ] || [ "$esito" -eq 77 ] || { echo "FAILED (exit $esito); Orca's last words:"; grep -a "SPEECH OUTPUT" "$work/orca.log" 2>/dev/null | tail -25; }
exit "$esito"
