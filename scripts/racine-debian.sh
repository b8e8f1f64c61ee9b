#!/usr/bin/env bash
# Tries the project as a new user of a bare Debian machine would: in a fresh
# minimal root of the named release, made with debootstrap from this machine's
# own apt mirror, it follows the README: installs git, clones the project (the
# commit checked out here), runs the play command, which must build and reach
# the window (with no display, Qt stops with "could not connect to display"),
# then the test command, then .ci/run.
#
# Everything runs in a mount and process namespace of its own: its mounts and
# processes end with it, and the root is removed on every road out, failures
# and signals included. The bare root is kept as an archive in
# /var/cache/ornavex for a week, so that later runs skip debootstrap.
# As root. Usage: scripts/racine-debian.sh RELEASE (bookworm, trixie, ...)
set -euo pipefail

version="${1:-}"
[[ "$version" =~ ^[a-z]+$ ]] || { echo "usage: $0 RELEASE (bookworm, trixie, ...)" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 1; }
source="$(cd "$(dirname "$0")/.." && pwd)"
git -C "$source" rev-parse --verify -q HEAD >/dev/null || { echo "$source: no commit to clone" >&2; exit 1; }

# This machine's Debian mirror: the address of the apt source that serves its
# own release, in either format of the apt sources.
miroir_apt() {
    local nom
    nom="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v nom="$nom" '$1 == "deb" {
                sub(/^deb[ \t]+(\[[^]]*\][ \t]+)?/, ""); split($0, c, /[ \t]+/)
                if (c[2] == nom) print c[1] }'
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -e "$f" ] && { cat "$f"; echo; }
        done | awk -v nom="$nom" '
            function fin() {
                if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " nom " ") && actif != "no")
                    print adresses
                types = suites = adresses = actif = ""
            }
            /^[ \t]*$/ { fin(); next }
            /^[ \t]*#/ { next }
            { cle = tolower($1); sub(/:$/, "", cle); $1 = "" ; sub(/^[ \t]+/, "") }
            cle == "types" { types = $0 } cle == "suites" { suites = $0 }
            cle == "uris" { split($0, u, /[ \t]+/); adresses = u[1] }
            cle == "enabled" { actif = tolower($0) }
            END { fin() }'
    } | head -n1
}

miroir="$(miroir_apt)"
[ -n "$miroir" ] || { echo "no Debian mirror in this machine's apt sources" >&2; exit 1; }
if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

cache=/var/cache/ornavex
archive="$cache/racine-$version.tar"
racine="$(mktemp -d /var/tmp/ornavex-racine-"$version".XXXXXX)"
journal="$(mktemp)"
enfant=""

# The namespaces take their mounts and processes with them; nothing is
# removed while anything is still mounted under the root.
nettoie() {
    local statut=$?
    set +e
    trap - EXIT INT TERM
    # unshare holds back SIGTERM while its child runs; once it is killed, the
    # kernel kills its child, and with it every process of the namespace.
    if [ -n "$enfant" ]; then
        kill -KILL "$enfant" 2>/dev/null
        wait "$enfant" 2>/dev/null
    fi
    if grep -q " $racine[/ ]" /proc/self/mountinfo; then
        echo "$racine: still mounted, left in place" >&2
    else
        rm -rf --one-file-system "$racine"
    fi
    rm -f "$journal" "$archive.$$"
    exit "$statut"
}
trap nettoie EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs the command in namespaces of its own, which end with its first
# process: its mounts stay out of this machine's, and killing it ends every
# process it started. Waited for in the background, so that a signal reaches
# the traps at once.
isole() {
    unshare --mount --pid --fork --kill-child --propagation private "$@" </dev/null &
    enfant=$!
    local statut=0
    wait "$enfant" || statut=$?
    enfant=""
    return "$statut"
}

if [ -n "$(find "$archive" -mtime -7 2>/dev/null)" ]; then
    echo "== bare $version root from $archive"
    tar --numeric-owner -C "$racine" -xf "$archive"
else
    echo "== debootstrap --variant=minbase $version, from $miroir"
    if ! isole debootstrap --variant=minbase "$version" "$racine" "$miroir" >"$journal" 2>&1; then
        tail -n 30 "$journal" >&2
        exit 1
    fi
    mkdir -p "$cache"
    tar --numeric-owner -C "$racine" -cf "$archive.$$" . && mv "$archive.$$" "$archive"
fi
# What a running machine has and debootstrap leaves out.
cp /etc/resolv.conf "$racine/etc/resolv.conf" 2>/dev/null || true
mkdir -p "$racine/mnt/ornavex"

# Inside the root, as its user would, from the README.
cat >"$racine/root/essai.sh" <<'EOF'
set -euo pipefail
# What the commands print may not hold Qt's "Could NOT find", nor a warning of
# CMake, the compiler or the linker.
sans_avertissement() {
    if grep -E "Could NOT find|warning:|CMake Warning" "$1" | grep -v "^update-alternatives: "; then
        echo "$2 printed the lines above" >&2
        exit 1
    fi
}

echo "== $(. /etc/os-release && echo "$PRETTY_NAME"): apt-get install git, git clone"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git >/dev/null
git clone -q file:///mnt/ornavex /root/ornavex
cd /root/ornavex

echo "== scripts/run.sh, with no display"
statut=0
scripts/run.sh >/root/run.log 2>&1 || statut=$?
cat /root/run.log
if [ "$statut" -eq 0 ] || ! grep -q "could not connect to display" /root/run.log; then
    echo "scripts/run.sh did not reach the window, or opened it with no display" >&2
    exit 1
fi
sans_avertissement /root/run.log scripts/run.sh

echo "== scripts/test.sh"
scripts/test.sh 2>&1 | tee /root/test.log
sans_avertissement /root/test.log scripts/test.sh

echo "== .ci/run"
ORNAVEX_RACINE="$(. /etc/os-release && echo "$VERSION_CODENAME")" .ci/run
EOF

isole bash -c '
    set -e
    racine="$1" source="$2"
    mount --rbind /dev "$racine/dev"
    mount -t proc proc "$racine/proc"
    mount --rbind /sys "$racine/sys"
    mount --bind -o ro "$source" "$racine/mnt/ornavex"
    exec chroot "$racine" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash /root/essai.sh
' racine "$racine" "$source"
echo "== $version: every command passed"
