#!/usr/bin/env bash
# Every source of src/ read by the MinGW-w64 compiler against the Qt built for Windows, syntax
# only: a Linux-only header or call without its Windows branch fails here in a minute, not in the
# hour-long Windows build. Skipped where that Qt has not been built (scripts/package-windows.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/windows-env.sh"

if [ ! -f "$QT_WIN_DONE" ] || ! command -v "$MINGW_CXX" >/dev/null 2>&1; then
    echo "skipped: no Qt for Windows in $QT_WIN_PREFIX (scripts/package-windows.sh builds it)"
    exit 77
fi

qt="$QT_WIN_PREFIX/include"
flags=(-std=c++17 -fsyntax-only -Wall -Wextra -DUNICODE -D_UNICODE -DWIN32 -DWIN64 -DQT_NO_DEBUG
    -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_PRINTSUPPORT_LIB
    -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets"
    -isystem "$qt/QtPrintSupport" -I"$QT_WIN_PREFIX/mkspecs/win32-g++")
for folder in "$root"/src/*/; do
    flags+=(-I"$folder")
done

# Two at a time, as many as the build machine has cores; every failing file is reported.
find "$root/src" -name '*.cpp' -print0 |
    xargs -0 -n 1 -P 2 "$MINGW_CXX" "${flags[@]}"
echo "$(find "$root/src" -name '*.cpp' | wc -l) sorgenti compilati con $MINGW_CXX"
