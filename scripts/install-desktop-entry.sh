#!/usr/bin/env bash
# Puts Lettoria in the current user's desktop menu: the program's icon and a menu entry that
# starts the program of the folder given (./run.sh gives Lettoria/ of the project).
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$(cd "$1" && pwd)"
data="${XDG_DATA_HOME:-$HOME/.local/share}"

for size in 16 32 48 64 128 256; do
    install -D -m 644 "resources/icons/lettoria-$size.png" \
        "$data/icons/hicolor/${size}x$size/apps/lettoria.png"
done
install -D -m 644 resources/icons/lettoria.svg "$data/icons/hicolor/scalable/apps/lettoria.svg"

# Desktop entries quote Exec's argument, escape \ " ` $ inside the quotes and % everywhere, and
# then escape every backslash of a value once more.
exec_path=${folder//\\/\\\\}
exec_path=${exec_path//\"/\\\"}
exec_path=${exec_path//\`/\\\`}
exec_path=${exec_path//\$/\\\$}
exec_path=${exec_path//%/%%}
exec_path=${exec_path//\\/\\\\}
mkdir -p "$data/applications"
cat > "$data/applications/lettoria.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Lettoria 3.0
GenericName=Gestione della biblioteca
Comment=Catalogo, tesserati e prestiti della biblioteca
Exec="$exec_path/Lettoria"
Path=${folder//\\/\\\\}
Icon=lettoria
Terminal=false
Categories=Office;
StartupWMClass=Lettoria
ENTRY
if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database -q "$data/applications" || true
fi
echo "Lettoria aggiunto al menu: $data/applications/lettoria.desktop"
