#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: its control data, its files
# unpacked into a throw-away root (the programs run from there), and whether apt can satisfy
# its dependencies on this machine and on a Debian 12 with nothing installed.
# Usage: packaging/check-deb.sh [BUILD_DIR]   (default: build; the build must be configured)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/vignetta_*.deb | head -1)"
echo "== $deb"
dpkg-deb -I "$deb"

dpkg -x "$deb" "$work/root"
for file in usr/bin/vignetta usr/bin/vignetta-cli usr/share/vignetta/Help/index.html \
        usr/share/applications/example.vignettaworks.Vignetta.desktop \
        usr/share/metainfo/example.vignettaworks.Vignetta.metainfo.xml \
        usr/share/mime/packages/example.vignettaworks.Vignetta.xml \
        usr/share/icons/hicolor/scalable/apps/example.vignettaworks.Vignetta.svg; do
    [[ -e "$work/root/$file" ]] || { echo "missing from the package: /$file" >&2; exit 1; }
done
"$work/root/usr/bin/vignetta-cli" --help >/dev/null
echo "== unpacked into a throw-away root; vignetta-cli runs from there"

echo "== apt-get install --simulate (this machine)"
apt-get install --simulate "$deb" | grep -E '^(Inst vignetta|E:)'
: >"$work/empty-status"
echo "== apt-get install --simulate (nothing installed)"
apt-get install --simulate --no-install-recommends -o Dir::State::status="$work/empty-status" \
    "$deb" | grep -cE '^Inst' | sed 's/$/ packages would be installed/'
