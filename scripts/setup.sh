#!/usr/bin/env bash
# Installs the Debian packages Corvana needs to build, test and run, and only those that are
# missing, so `make run` and `make test` work on a fresh Debian 12 machine. With --fuzz also clang
# and its fuzzer runtime, which only `make fuzz` needs.
set -euo pipefail

PACKAGES=(
    build-essential g++ cmake make pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libvulkan-dev
    qt6-l10n-tools qt6-translations-l10n
    gstreamer1.0-plugins-base
    fonts-dejavu-core fonts-dejavu-extra
    xvfb xauth x11-utils
    desktop-file-utils appstream shared-mime-info groff-base
    netbase
)
if [ "${1:-}" = "--fuzz" ]; then
    PACKAGES+=(clang libclang-rt-14-dev llvm)
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
