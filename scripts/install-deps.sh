#!/usr/bin/env bash
# Installs, with apt-get, what the machine lacks for one use of the project:
#   programme  building and running the window: the compiler, CMake, Ninja,
#              Qt 6 Widgets with its platform plugins and its French texts,
#              the X client library (XCB) headers, the Liberation fonts;
#   tests      all that, and GoogleTest, Google Benchmark, the virtual X
#              server, XTest and the X tools that the tests and screenshots
#              drive.
# Safe to run again: it installs nothing that is present. Recommended packages
# are left out: whatever the project needs is named here.
# Usage: scripts/install-deps.sh programme|tests
set -euo pipefail

programme=(g++ cmake ninja-build qt6-base-dev libxcb1-dev qt6-qpa-plugins qt6-translations-l10n
    fonts-liberation)
tests=(libgtest-dev libbenchmark-dev libxcb-xtest0-dev xvfb xdotool x11-utils imagemagick)

case "${1:-}" in
    programme) packages=("${programme[@]}") ;;
    tests) packages=("${programme[@]}" "${tests[@]}") ;;
    *)
        echo "usage: $0 programme|tests" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
