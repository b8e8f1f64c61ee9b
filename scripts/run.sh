#!/usr/bin/env bash
# Installs what the program needs, builds it without its tests, and opens the window.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"

"$root/scripts/install-deps.sh" programme
cmake -S "$root" -B "$build" -G Ninja -DBUILD_TESTING=OFF
cmake --build "$build" --parallel --target ornavex
exec "$build/window/ornavex"
