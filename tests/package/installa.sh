#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the test build, unpacks it into a scratch
# root, starts the installed program on a virtual screen, and checks that it
# shows its start window and writes its settings file in the working directory.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/deb" >/dev/null)
deb="$(ls "$scratch"/deb/ope-sottrazioni_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6printsupport6 \
              libqt6multimedia6 libqt6texttospeech6 qt6-speech-speechd-plugin; do
  grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
for wanted in speech-dispatcher espeak-ng; do
  grep -q "$wanted" <<<"$recommends" || { echo "Recommends lacks $wanted: $recommends"; exit 1; }
done

root="$scratch/root"
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/Sottrazioni usr/lib/$multiarch/ope-sottrazioni/libope-audio.so \
         usr/share/applications/ope-sottrazioni.desktop \
         usr/share/icons/hicolor/scalable/apps/ope-sottrazioni.svg \
         usr/share/icons/hicolor/48x48/apps/ope-sottrazioni.png \
         usr/share/icons/hicolor/256x256/apps/ope-sottrazioni.png \
         usr/share/metainfo/example.scuola.ope.sottrazioni.metainfo.xml \
         usr/share/doc/ope-sottrazioni/copyright usr/share/doc/ope-sottrazioni/changelog.gz \
         usr/share/man/man1/Sottrazioni.1.gz; do
  [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || { echo "no extended description"; exit 1; }

# What a software centre and Debian's own checks make of it.
appstreamcli validate --no-net "$root/usr/share/metainfo/example.scuola.ope.sottrazioni.metainfo.xml"
lintian --fail-on error,warning --tag-display-limit 0 "$deb"
grep -q '^Exec=Sottrazioni$' "$root/usr/share/applications/ope-sottrazioni.desktop"
! ldd "$root/usr/lib/$multiarch/ope-sottrazioni/libope-audio.so" | grep "not found" || { echo "the audio module misses libraries"; exit 1; }

work="$scratch/lavoro"
mkdir -p "$work"
export ROOT="$root" WORK="$work"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -euo pipefail -c '
  cd "$WORK"
  QT_QPA_PLATFORM=xcb "$ROOT/usr/bin/Sottrazioni" &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  window="$(timeout 20 xdotool search --sync --onlyvisible --name "^Sottrazioni$" | head -n 1)"
  [ -n "$window" ] || { echo "no start window"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" -ge 700 ] && [ "$HEIGHT" -ge 500 ] || { echo "start window of ${WIDTH}x${HEIGHT}"; exit 1; }
  [ ! -e Sottrazioni.dat ] || { echo "settings file written before any choice"; exit 1; }
  sleep 2   # the curtains open first
  # "Cambia gli obiettivi" stands about 240 pixels below the menu bar, at the
  # left; the controls around it there write nothing when clicked.
  for y in $(seq 226 6 290); do
    xdotool mousemove --window "$window" 120 "$y" click 1
    sleep 0.3
    [ -e Sottrazioni.dat ] && break
  done
  [ -e Sottrazioni.dat ] || { echo "no settings file after the group switch"; exit 1; }
  printf " 2  2  1 \r\n" | cmp - Sottrazioni.dat
  kill -0 "$pid"
  kill "$pid"
'
echo "installed program: start window shown, settings file written"
