#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into its folder Lettoria/ beside this
# script, adds it to the current user's desktop menu, and starts it from there. The folder is
# outside build/: a rebuild or "rm -rf build" never touches the archives kept in it, and an install
# replaces only the executable and the shipped files.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
folder="$PWD/Lettoria"
# A library that ran the program from build/Lettoria keeps its archives: that folder becomes the
# program folder the first time.
if [ ! -d "$folder" ] && [ -d build/Lettoria ]; then
    cp -a build/Lettoria "$folder"
fi
cmake --install build --prefix "$folder" >/dev/null
./scripts/install-desktop-entry.sh "$folder"
exec "$folder/Lettoria"
