#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tracelume need,
# but only those that are missing. Safe to run again. Extra package names given as arguments
# are installed too (the tests add the PDF tools they check printed pages with).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libx11-dev libxcb1-dev
  xvfb xauth xdotool x11-utils imagemagick
  fonts-dejavu-core
  desktop-file-utils libxml2-utils shared-mime-info groff-base
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
