#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Vignetta needs. Idempotent:
# packages already installed are left alone, and the package lists are refreshed only when
# something is missing. Non-interactive; runs as root, or through sudo otherwise.
set -euo pipefail

packages=(
    # Build tools
    cmake g++ make pkg-config python3
    # Qt 5.15
    qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qml-module-qtquick-controls
    qml-module-qtquick-controls2 qtquickcontrols2-5-dev qml-module-qtquick-dialogs
    qml-module-qtquick-layouts qml-module-qtquick-window2 qml-module-qt-labs-settings
    qml-module-qt-labs-folderlistmodel qml-module-qtgraphicaleffects qtwebengine5-dev
    qml-module-qtwebengine qttools5-dev qttools5-dev-tools qml-module-qttest
    # Libraries and test frameworks
    nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    # Fonts
    fonts-mplus
    # Running the editor headless and driving it in tests (xprop reads window properties)
    xvfb xauth xdotool xclip x11-utils
    # Checking the desktop entry, AppStream metadata, MIME type and icon files
    desktop-file-utils appstream shared-mime-info libxml2-utils
    # Making and checking pictures and sounds
    imagemagick sox libsox-fmt-all vorbis-tools ffmpeg python3-pil
    # Subsetting the interface fonts (pyftsubset, tools/make_fonts.sh)
    fonttools
    # Fuzzers and sanitizers
    clang libclang-rt-14-dev
)

missing=()
for pkg in "${packages[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "install-deps: all ${#packages[@]} packages are installed"
    exit 0
fi

if [[ "$(id -u)" -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo -n)
    if ! sudo -n true 2>/dev/null; then
        as_root=(sudo)
    fi
else
    echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
