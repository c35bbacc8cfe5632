#!/usr/bin/env bash
# Makes dist/Lettoria-3.0-win64.zip, the portable Windows program folder, on this Debian machine,
# and tests it under Wine:
#   1. Qt for Windows, built once into a cache folder outside the project (build-qt-windows.sh:
#      about an hour the first time on two cores, nothing afterwards);
#   2. the guide and the default password file from the Linux build: the same bytes on Windows;
#   3. Lettoria.exe and the test programs, cross-built with MinGW-w64 in build-win/;
#   4. the whole test suite under Wine (the tests that need Linux programs skip and say so);
#   5. the folder zipped, unzipped elsewhere and started under Wine on a virtual screen: login with
#      the default password, a book card saved, and Libri.pro compared byte for byte with the one
#      the Linux program writes for the same keys.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/windows-env.sh
started=$SECONDS

./scripts/install-deps.sh
install_packages wine wine64 xvfb x11-xkb-utils openbox xdotool imagemagick zip unzip
./scripts/build-qt-windows.sh
qt_done=$SECONDS
./scripts/build.sh Lettoria guide passwordfile

if [ ! -f build-win/build.ninja ]; then
    cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QT_WIN_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DLETTORIA_SHIPPED_DIR="$root/build/Lettoria"
fi
nice cmake --build build-win

# Wine keeps its own Windows in the cache; the Qt and MinGW libraries are on its path; no prompt
# for Wine's .NET or HTML add-ons.
export WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/lettoria/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
windows_path() {
    local path="Z:$1"
    echo "${path//\//\\}"
}
runtime=$(dirname "$("$MINGW_CXX" -print-file-name=libstdc++-6.dll)")
threads=$(dirname "$("$MINGW_CXX" -print-file-name=libwinpthread-1.dll)")
WINEPATH="$(windows_path "$QT_WIN_PREFIX/bin");$(windows_path "$runtime");$(windows_path "$threads")"
export WINEPATH
# A Wine left running in this prefix by an earlier run may wait on a screen that is gone.
wineserver -k 2>/dev/null || true
wineboot --init >/dev/null 2>&1

# A virtual screen of its own, on the first free display, with an Italian keyboard (whose keys
# Wine reads when it starts) and a window manager.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1366x768x24 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work" "$display_file"' EXIT
trap 'exit 1' INT TERM
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.2; done
export DISPLAY=":$(cat "$display_file")"
openbox >/dev/null 2>&1 &
# The window manager sets a keyboard of its own when it starts: the Italian one goes after it.
sleep 2
setxkbmap -layout it

echo "== Test sotto Wine"
# Wine hands a Windows program no QT_ variable of Linux unless it is named WINEQT_: the tests get
# the offscreen platform, and their output on the standard output rather than to a debugger.
# A failing test is reported at the end, after the folder has been made and tried.
tests_failed=0
(cd build-win && WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1 \
    ctest --output-on-failure --timeout 1800) || tests_failed=1
echo "== Controlli saltati sotto Wine"
grep -h '^SKIP' build-win/Testing/Temporary/LastTest.log | sed 's/ *Loc:.*//' | sort -u
tests_done=$SECONDS

echo "== Cartella del programma"
rm -rf dist
cmake --install build-win --prefix dist/Lettoria --strip >/dev/null
# Debian's MinGW runtime and the Qt libraries carry symbols the program does not need; the password
# file is a text file with a .dll name.
find dist/Lettoria -name '*.dll' ! -name unins000.dll -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
(cd dist && zip -qr -9 Lettoria-3.0-win64.zip Lettoria)
zip_file=dist/Lettoria-3.0-win64.zip
unzip -l "$zip_file" | tail -n +4 | head -n -2 | awk '{print $4}'

echo "== Lettoria.exe sotto Wine, dalla cartella estratta dallo zip"
source scripts/windows-scenario.sh
mkdir -p "$work/linux" "$work/Chiavetta USB"
cmake --install build --prefix "$work/linux/Lettoria" >/dev/null
(cd "$work/Chiavetta USB" && unzip -q "$root/$zip_file")
save_book_card "$work/linux/Lettoria" "$work/linux/Lettoria/Lettoria"
# A Wine started afresh on the virtual screen, so that it reads its Italian keyboard.
wineserver -k 2>/dev/null || true
SHOT="$root/build-win/lettoria-wine.png" \
    save_book_card "$work/Chiavetta USB/Lettoria" wine "$work/Chiavetta USB/Lettoria/Lettoria.exe"
cmp "$work/linux/Lettoria/Libri.pro" "$work/Chiavetta USB/Lettoria/Libri.pro"
echo "Libri.pro scritto sotto Wine: $(stat -c %s "$work/Chiavetta USB/Lettoria/Libri.pro") byte," \
    "uguale a quello di Linux"
echo "Lo schermo dopo il salvataggio: build-win/lettoria-wine.png"

echo "== Fatto: $zip_file, $(( $(stat -c %s "$zip_file") / 1024 )) KiB"
echo "Qt per Windows: $(( qt_done - started )) s; compilazione e test: $(( tests_done - qt_done )) s;" \
    "in tutto $(( SECONDS - started )) s"
if [ "$tests_failed" = 1 ]; then
    echo "ATTENZIONE: alcuni test non passano sotto Wine (sopra, in \"Test sotto Wine\")" >&2
    exit 1
fi
