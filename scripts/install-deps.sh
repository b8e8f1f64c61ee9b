#!/usr/bin/env bash
# Installs, with apt-get, what the machine lacks for one use of the project,
# on Debian 12 or 13:
#   programme  building and running the window: the compiler, make (for the
#              optimised links' parallel jobs), CMake, Ninja, Qt 6 Widgets with
#              its platform plugins and its French texts, the headers that
#              Qt's CMake files and the busy window look for (xkbcommon, XCB),
#              the Liberation fonts, their narrow face included;
#   tests      all that, and GoogleTest, Google Benchmark, the virtual X
#              server, XTest and the X tools that the tests and screenshots
#              drive.
# Safe to run again: it installs nothing that is present. Recommended packages
# are left out: whatever the project needs is named here.
# Usage: scripts/install-deps.sh programme|tests
set -euo pipefail

programme=(g++ make cmake ninja-build qt6-base-dev libxkbcommon-dev libxcb1-dev qt6-qpa-plugins
    qt6-translations-l10n fonts-liberation)
# The narrow face is part of fonts-liberation up to Debian 12; later releases
# have it in a package of its own.
face_etroite=LiberationSansNarrow-Regular.ttf
paquet_etroit=fonts-liberation-sans-narrow
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
etroite_manque=false
dpkg-query -S "*/$face_etroite" >/dev/null 2>&1 || etroite_manque=true
[ ${#missing[@]} -eq 0 ] && ! $etroite_manque && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
if $etroite_manque && apt-cache show "$paquet_etroit" >/dev/null 2>&1; then
    missing+=("$paquet_etroit")
fi
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
