#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only when missing.
set -euo pipefail

packages=(
    cmake g++ ninja-build ccache
    qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
    fonts-liberation fonts-dejavu-core
    poppler-utils libreoffice-calc-nogui
    libsqlite3-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installazione pacchetti mancanti: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
