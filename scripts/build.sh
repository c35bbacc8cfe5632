#!/usr/bin/env bash
# Configures (first time) and builds everything in build/; "./scripts/build.sh sanitize" builds
# the same with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/;
# "./scripts/build.sh threads" builds the tests of the code that runs on two threads (storage and
# search) with ThreadSanitizer in build-tsan/. Targets named after that are built alone.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=build
options=(-DCMAKE_BUILD_TYPE=Release)
targets=()
if [ "${1:-}" = sanitize ]; then
    folder=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=Debug -DLETTORIA_SANITIZE=ON)
    shift
elif [ "${1:-}" = threads ]; then
    folder=build-tsan
    options=(-DCMAKE_BUILD_TYPE=Debug -DLETTORIA_TSAN=ON)
    targets=(threadtests)
    shift
fi
targets+=("$@")
if command -v ccache >/dev/null 2>&1; then options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$folder/build.ninja" ]; then
    cmake -S . -B "$folder" -G Ninja "${options[@]}"
fi
cmake --build "$folder" ${targets[@]:+--target "${targets[@]}"}
