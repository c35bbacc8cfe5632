#!/usr/bin/env bash
# Installs what is missing, builds, assembles build/Lettoria/ and starts the program from there.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
exec ./build/Lettoria/Lettoria
