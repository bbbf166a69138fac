#!/usr/bin/env bash
# Builds the Debian package of Tracelume from the build folder (default build) and prints its
# path: build/package/tracelume_<version>_<architecture>.deb. Install it with
#   sudo apt-get install ./build/package/tracelume_*.deb
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
scripts/setup.sh dpkg-dev
scripts/build.sh "$dir"
rm -f "$dir"/package/tracelume_*.deb
(cd "$dir" && cpack -G DEB)
ls "$dir"/package/tracelume_*.deb
