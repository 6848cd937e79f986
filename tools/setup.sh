#!/usr/bin/env bash
# Installs what building and testing KALYX needs on Debian 12, when it is missing.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config
  llvm clang                                  # llvm-rc compiles the resource script
  libclang-rt-14-dev python3                   # libFuzzer for fuzz/; python3 cuts its seeds
  libcairo2-dev libsdl2-dev libfontconfig-dev libfreetype-dev libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core           # "Arial" and the sans faces
  xvfb xdotool                                 # real-window tests under a virtual X server
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils  # and under one with two monitors
  g++-mingw-w64-i686 binutils-mingw-w64-i686   # the Windows build
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
