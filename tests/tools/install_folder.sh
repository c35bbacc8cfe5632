#!/usr/bin/env bash
# The program folder that "cmake --install" lays out (./run.sh: Lettoria/): a second install over a
# folder in use replaces the executable and the guide and leaves the archives, the photos, the
# attachments, the settings and a changed password file byte for byte as they were.
set -euo pipefail
build="$1"
folder="$(mktemp -d)/Biblioteca di prova"
trap 'rm -rf "$(dirname "$folder")"' EXIT

cmake --install "$build" --prefix "$folder" >/dev/null
for shipped in Lettoria Guida.pdf unins000.dll; do
    [ -s "$folder/$shipped" ] || { echo "FAIL: $shipped missing after the first install"; exit 1; }
done

# A library at work: archives, a photo, an attachment, the card settings, a new password.
head -c 6474 /dev/urandom > "$folder/Libri.pro"
head -c 544 /dev/urandom > "$folder/2015.bib"
head -c 900 /dev/urandom > "$folder/1.jpg"
mkdir "$folder/Documenti_Allegati"
head -c 300 /dev/urandom > "$folder/Documenti_Allegati/copertina.pdf"
printf '[Biblioteca]\r\nNome=Biblioteca di Citt\xe0\r\n' > "$folder/Tesserini.ini"
printf '[Password]\r\nValue=cambiata\r\n' > "$folder/unins000.dll"
archives=(Libri.pro 2015.bib 1.jpg Documenti_Allegati/copertina.pdf Tesserini.ini unins000.dll)
before=$(cd "$folder" && sha256sum "${archives[@]}")
# An older program and guide, as a previous version left them.
echo vecchio > "$folder/Lettoria"
echo vecchia > "$folder/Guida.pdf"

cmake --install "$build" --prefix "$folder" >/dev/null
after=$(cd "$folder" && sha256sum "${archives[@]}")
if [ "$before" != "$after" ]; then
    echo "FAIL: the install changed the library's files"
    diff <(echo "$before") <(echo "$after") || true
    exit 1
fi
cmp "$build/Lettoria/Lettoria" "$folder/Lettoria" || { echo "FAIL: executable not replaced"; exit 1; }
cmp "$build/Lettoria/Guida.pdf" "$folder/Guida.pdf" || { echo "FAIL: guide not replaced"; exit 1; }
echo "archivi intatti, programma e guida aggiornati"
