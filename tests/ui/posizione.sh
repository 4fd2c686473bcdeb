#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Secondary windows as a netbook's pupil meets them: on a virtual screen of
# 1024 x 600 under openbox, the program is driven with keys and clicks to the
# printout, the certificate and the worksheet window, and each one's frame,
# read with xwininfo from the window manager's own frame window, must stand
# on the screen, title bar included, centred on the window that opened it,
# whose transient it is. Exits 77 (skipped), saying why, where those cannot start.
set -uo pipefail
build="$(cd "$1" && pwd)"
programma="$build/Sottrazioni"

salta() { echo "SKIPPED: $*"; exit 77; }
[ -x "$programma" ] || salta "no program at $programma"
for p in xvfb-run:xvfb openbox:openbox xdotool:xdotool xwininfo:x11-utils xprop:x11-utils; do
  command -v "${p%%:*}" >/dev/null || salta "${p%%:*} is missing (package ${p#*:})"
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export PROGRAMMA="$programma" WORK="$work"
xvfb-run -a -s "-screen 0 1024x600x24" bash -uo pipefail -c '
  fallito() { echo "FAILED: $*"; exit 1; }
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { echo "SKIPPED: openbox did not start"; exit 77; }

  cd "$WORK"
  mkdir -p config
  XDG_CONFIG_HOME="$WORK/config" QT_QPA_PLATFORM=xcb "$PROGRAMMA" >"$WORK/programma.log" 2>&1 &
  pid=$!
  trap "kill $pid 2>/dev/null" EXIT

  # The shown window titled exactly $1 that is none of the others given.
  finestra() {
    local titolo="$1" id; shift
    for _ in $(seq 100); do
      for id in $(xdotool search --onlyvisible --name "." 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$titolo" ] || continue
        [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
      done
      sleep 0.1
    done
    return 1
  }
  # The frame the window manager put around the window: x y width height.
  cornice() {
    local telaio
    telaio="$(xwininfo -children -id "$1" | awk "/Parent window id/ {print \$4}")"
    xwininfo -id "$telaio" | awk "/Absolute upper-left X/ {x=\$4} /Absolute upper-left Y/ {y=\$4}
                                   /Width:/ {w=\$2} /Height:/ {h=\$2} END {print x, y, w, h}"
  }
  # Centred on one axis, or against the screen edge it would otherwise cross.
  sullAsse() {
    local inizio=$1 lato=$2 sotto=$3 latoSotto=$4 schermo=$5
    local atteso=$(( sotto + (latoSotto - lato) / 2 ))
    (( atteso > schermo - lato )) && atteso=$(( schermo - lato ))
    (( atteso < 0 )) && atteso=0
    (( inizio - atteso <= 1 && atteso - inizio <= 1 ))
  }
  controlla() {
    local nome="$1" id="$2" sotto="$3" x y w h sx sy sw sh
    read -r x y w h <<<"$(cornice "$id")"
    read -r sx sy sw sh <<<"$(cornice "$sotto")"
    echo "$nome: frame ${w}x${h} at $x,$y over ${sw}x${sh} at $sx,$sy"
    (( x >= 0 && y >= 0 && x + w <= 1024 && y + h <= 600 )) || fallito "$nome stands out of the screen"
    xprop -id "$id" WM_TRANSIENT_FOR | grep -qi "$(printf "0x%x" "$sotto")\$" || fallito "$nome is no transient of its opener"
    sullAsse "$x" "$w" "$sx" "$sw" 1024 && sullAsse "$y" "$h" "$sy" "$sh" 600 || fallito "$nome is not centred on its opener"
  }

  inizio="$(finestra Sottrazioni)" || fallito "no start window"
  xdotool windowactivate --sync "$inizio"
  sleep 4   # the curtains open first: keys under them do nothing
  # The first objective has the focus: choose it, the first level, then "Avanti".
  xdotool key --delay 150 space Tab Tab Tab space Tab Tab Tab Tab Tab space
  esercizio="$(finestra Sottrazioni "$inizio")" || fallito "no exercise window"
  sleep 0.5
  xdotool mousemove --window "$esercizio" 60 8 click 1   # "Visualizza operazioni eseguite"
  stampa="$(finestra "STAMPA DEGLI ESERCIZI ESEGUITI")" || fallito "no printout window"
  controlla "printout" "$stampa" "$esercizio"
  xdotool windowactivate --sync "$stampa"
  sleep 0.5
  xdotool key --delay 150 Tab Tab Tab space   # from "E S C I" to "ATTESTATO"
  attestato="$(finestra "ATTESTATO DI MERITO")" || fallito "no certificate window"
  controlla "certificate" "$attestato" "$stampa"

  xdotool windowactivate --sync "$inizio"
  sleep 0.5
  xdotool mousemove --window "$inizio" 30 8 click 1   # "Stampa schede"
  schede="$(finestra SOTTRAZIONI)" || fallito "no worksheet window"
  controlla "worksheet" "$schede" "$inizio"
  kill -0 "$pid" || fallito "the program ended"
'
esito=$?
[ "$esito" -eq 0 ] || [ "$esito" -eq 77 ] || echo "FAILED (exit $esito)"
exit "$esito"
