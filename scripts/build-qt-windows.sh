#!/usr/bin/env bash
# Builds Qt 6.4.2 (Core, Gui, Widgets, PrintSupport, Test) for 64-bit Windows with the MinGW-w64
# cross compiler, from Debian's own source of the Qt the Linux build uses, into the cache folder
# of windows-env.sh. Does nothing when that folder already holds a finished build; an interrupted
# build goes on where it stopped. The first build takes about an hour on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-env.sh

if [ -f "$QT_WIN_DONE" ]; then
    echo "Qt per Windows già presente: $QT_WIN_PREFIX"
    exit 0
fi

install_packages g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    dpkg-dev xz-utils perl cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n \
    libwine-dev

work="$QT_WIN_PREFIX-work"
# Kept inside the installed Qt: its qt.toolchain.cmake loads this file by its path.
toolchain="$QT_WIN_PREFIX/mingw-w64-x86_64.cmake"

if [ ! -f "$work/build/build.ninja" ]; then
    # apt-get source needs a deb-src line; add one for this Debian release when there is none.
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    if ! grep -rqs '^ *\(deb-src\|Types:.*deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        . /etc/os-release
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\n%s\n' \
            "$VERSION_CODENAME" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
            $sudo tee /etc/apt/sources.list.d/lettoria-deb-src.sources >/dev/null
        $sudo apt-get update -qq
    fi

    rm -rf "$QT_WIN_PREFIX" "$work"
    mkdir -p "$QT_WIN_PREFIX" "$work"
    # The same release as the Linux Qt, so that its host tools (moc, rcc, uic) match.
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    (cd "$work" && apt-get source -qq "qt6-base=$version")
    source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

    # Debian's source leaves out Qt's copy of the Wintab headers (their licence forbids changes),
    # which the Windows platform plugin needs for tablets. Wine's own copy (LGPL) stands in, with
    # the naming macros of Wine's headers that it uses and the one name Qt's copy adds.
    wintab="$source_dir/src/3rdparty/wintab"
    mkdir -p "$wintab"
    cp /usr/include/wine/wine/windows/pktdef.h "$wintab/"
    {
        printf '#ifdef UNICODE\n#define WINELIB_NAME_AW(name) name##W\n'
        printf '#define DECL_WINELIB_TYPE_AW(type) typedef type##W type;\n#else\n'
        printf '#define WINELIB_NAME_AW(name) name##A\n'
        printf '#define DECL_WINELIB_TYPE_AW(type) typedef type##A type;\n#endif\n#define API WINAPI\n'
        cat /usr/include/wine/wine/windows/wintab.h
    } > "$wintab/wintab.h"

    cat > "$toolchain" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

    # OpenGL stays at its default (dynamic): the Windows platform plugin of 6.4.2 does not build
    # without it. Every third-party library is Qt's bundled copy, so the program folder needs no
    # other.
    cmake -S "$source_dir" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$QT_WIN_PREFIX" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_xml=OFF -DFEATURE_icu=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF
fi

start=$SECONDS
nice -n 10 cmake --build "$work/build"
cmake --install "$work/build"
# Qt's Italian texts are the same files on every system: the Linux ones, where the Windows Qt
# looks for them (the tests load them from there, the program folder ships them).
install -D -m 644 /usr/share/qt6/translations/qtbase_it.qm "$QT_WIN_PREFIX/translations/qtbase_it.qm"
echo "Qt per Windows compilato in $(( (SECONDS - start) / 60 )) minuti"
touch "$QT_WIN_DONE"
rm -rf "$work"
