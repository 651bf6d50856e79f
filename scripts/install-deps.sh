#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Harbrook needs to build, test and run.
# Only packages that are missing are installed, so a prepared machine does nothing here.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache dpkg-dev file gettext
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libicu-dev
  ffmpeg xvfb xauth fonts-noto-cjk desktop-file-utils groff-base
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
