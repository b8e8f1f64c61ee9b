#!/usr/bin/env bash
# Builds the program, opens its window on a virtual X server and saves a
# picture of it. QT_SCALE_FACTOR, when set, passes on to the program.
# Usage: scripts/screenshot.sh [output.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
sortie="$(realpath -m "${1:-$root/docs/fenetre.png}")"

"$root/scripts/install-deps.sh" tests
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --parallel --target ornavex
mkdir -p "$(dirname "$sortie")"

# The part that needs the X server, run by avec-xvfb.sh, which stops the
# server whatever happens; the program is stopped here on every road out.
capture() {
    local programme="$1" sortie="$2" programme_pid fenetre statut
    QT_QPA_PLATFORM=xcb "$programme" &
    programme_pid=$!
    fenetre="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ornavex v1\.0 - Tavelune$' | head -n1)"
    statut=1
    if [ -n "$fenetre" ]; then
        sleep 0.5  # let the window paint
        import -window "$fenetre" "$sortie" && statut=0
    else
        echo "aucune fenêtre « Ornavex v1.0 - Tavelune »" >&2
    fi
    kill "$programme_pid" 2>/dev/null
    wait "$programme_pid" 2>/dev/null
    return "$statut"
}
export -f capture
"$root/scripts/avec-xvfb.sh" bash -c 'capture "$1" "$2"' capture "$build/window/ornavex" "$sortie"
echo "$sortie"
