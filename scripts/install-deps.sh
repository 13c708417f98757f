#!/usr/bin/env bash
# Installs every Debian package Velmora needs to build, test and run (run as root).
set -euo pipefail
packages=(
    build-essential cmake
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev fonts-dejavu-core libjpeg62-turbo-dev
    xvfb xauth
    clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
