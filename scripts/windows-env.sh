# Sourced by the Windows scripts and the MinGW compile test: where the cross-built Qt lives and
# how to install the packages the Windows build needs.

# Qt for Windows is built once and kept outside the project, so that a fresh clone or an emptied
# build/ reuses it.
QT_WIN_VERSION=6.4.2
QT_WIN_PREFIX="${LETTORIA_QT_WIN:-${XDG_CACHE_HOME:-$HOME/.cache}/lettoria/qt-$QT_WIN_VERSION-win64}"
# Written last by the Qt build: a folder without it is an interrupted build, never used.
QT_WIN_DONE="$QT_WIN_PREFIX/lettoria-qt-complete"
MINGW_CXX=x86_64-w64-mingw32-g++-posix

# Installs the Debian packages given, only those missing.
install_packages() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installazione pacchetti mancanti: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
