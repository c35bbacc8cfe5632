#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the normal build, once more in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer; then the storage and search tests in
# a build with ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)
./scripts/build.sh sanitize
(cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)
./scripts/build.sh threads
(cd build-tsan && QT_QPA_PLATFORM=offscreen ctest -L threads --output-on-failure)
