#!/usr/bin/env bash
# Builds the program, opens its window on a virtual X server and saves a
# picture of it. Usage: scripts/screenshot.sh [output.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
sortie="$(realpath -m "${1:-$root/docs/fenetre.png}")"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --parallel --target ornavex

travail="$(mktemp -d)"
xvfb_pid="" programme_pid=""
nettoie() {
    [ -n "$programme_pid" ] && kill "$programme_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$travail"
}
trap nettoie EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$travail/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$travail/display")"

QT_QPA_PLATFORM=xcb "$build/window/ornavex" &
programme_pid=$!
fenetre="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ornavex v1\.0 - Tavelune$' | head -n1)"
sleep 0.5  # let the window paint

mkdir -p "$(dirname "$sortie")"
import -window "$fenetre" "$sortie"
echo "$sortie"
