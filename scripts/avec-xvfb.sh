#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X server of its own, and stops
# that server on every road out, failures and signals included. The command's
# status is this script's status.
# Usage: scripts/avec-xvfb.sh command [arguments...]
set -uo pipefail

[ $# -gt 0 ] || { echo "usage: $0 command [arguments...]" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "Xvfb manque (scripts/test.sh l'installe)" >&2; exit 1; }

travail="$(mktemp -d)" || exit 1
xvfb_pid="" commande_pid=""
arrete() {
    [ -n "$commande_pid" ] && kill "$commande_pid" 2>/dev/null
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$travail"
}
trap arrete EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/display" 2>"$travail/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$travail/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$travail/display" ]; then
    echo "Xvfb n'a pas démarré: $(cat "$travail/xvfb.log")" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$travail/display")"

# Waited for in the background, so that a signal reaches the traps at once.
"$@" &
commande_pid=$!
wait "$commande_pid"
statut=$?
commande_pid=""
exit "$statut"
