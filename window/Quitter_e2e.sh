#!/usr/bin/env bash
# The real program on a virtual X server: the window opens with its title and
# client size, and a click on "Quitter" ends the program with status 0.
# Usage: scripts/avec-xvfb.sh Quitter_e2e.sh path/to/ornavex
set -uo pipefail
programme="$1"
travail="$(mktemp -d)"
programme_pid=""

echec() {
    echo "ÉCHEC: $*" >&2
    exit 1
}
nettoie() {
    if [ -n "$programme_pid" ]; then
        kill "$programme_pid" 2>/dev/null
        wait "$programme_pid" 2>/dev/null
    fi
    rm -rf "$travail"
}
trap nettoie EXIT

for outil in xdotool xwininfo; do
    command -v "$outil" >/dev/null || echec "$outil manque (scripts/test.sh l'installe)"
done
[ -n "${DISPLAY:-}" ] || echec "pas de serveur X: lancer par scripts/avec-xvfb.sh"
[ -x "$programme" ] || echec "pas de programme à $programme"

QT_QPA_PLATFORM=xcb "$programme" >"$travail/programme.log" 2>&1 &
programme_pid=$!

fenetre="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ornavex v1\.0 - Tavelune$' | head -n1)"
[ -n "$fenetre" ] || echec "aucune fenêtre « Ornavex v1.0 - Tavelune »: $(cat "$travail/programme.log")"

infos="$(xwininfo -id "$fenetre")"
largeur="$(awk '/Width:/ {print $2}' <<<"$infos")"
hauteur="$(awk '/Height:/ {print $2}' <<<"$infos")"
[ "${largeur}x${hauteur}" = "413x335" ] || echec "zone cliente ${largeur}x${hauteur}, attendu 413x335"

# The middle of "Quitter": left 4440, top 4080, 1335 by 375 twips.
xdotool mousemove --window "$fenetre" 340 284 click 1

for _ in $(seq 100); do
    kill -0 "$programme_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$programme_pid" 2>/dev/null && echec "le programme tourne encore 10 s après « Quitter »"
wait "$programme_pid"
statut=$?
programme_pid=""
[ "$statut" -eq 0 ] || echec "le programme a fini avec le statut $statut: $(cat "$travail/programme.log")"
echo "ornavex: fenêtre 413x335 trouvée, « Quitter » a fini le programme avec le statut 0"
