#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build" --parallel --target ornavex
exec "$build/window/ornavex"
