# Sourced by package-windows.sh: what a librarian does to save a first book card, as keys and
# clicks on the virtual screen of $DISPLAY (1366x768, Italian keyboard, with a window manager, the
# program's windows maximized where the program maximizes them). The clicks hit the same controls
# with Linux's fonts and with Wine's. The same steps drive the Linux program and the Windows one
# under Wine, whose archives must then hold the same bytes.

# Waits for a window whose title matches; fails after a minute.
wait_window() {
    local _
    for _ in $(seq 120); do
        xdotool search --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.5
    done
    echo "la finestra \"$1\" non è comparsa" >&2
    return 1
}

# Starts the program (the command after the folder) in its folder, logs in with the default
# password, opens the book archive, fills title, code (checked) and author, saves, and leaves the
# program through its buttons. With $SHOT set, the screen after the save is kept there as PNG.
save_book_card() {
    local folder=$1 _
    shift
    (cd "$folder" && exec "$@" >/dev/null 2>&1) &
    local program=$!

    wait_window 'Lettoria 3.0 - Accesso'
    sleep 2
    xdotool search --name 'Lettoria 3.0 - Accesso' windowactivate --sync >/dev/null 2>&1 || true
    xdotool type --delay 40 vendralopiskun
    xdotool key Return
    wait_window '^ ?Lettoria 3.0$'
    sleep 2
    xdotool mousemove 1012 373 click 1 # "Apri" under "Archivio Libri"
    wait_window 'Archivio Libri$'
    sleep 2
    xdotool type --delay 40 'Storia della città'
    xdotool key Tab
    xdotool type --delay 40 'LIB-0001'
    xdotool mousemove 696 160 click 1 # the code check beside "Codice"
    wait_window 'Convalida codice libro'
    sleep 2
    xdotool key Return
    sleep 1
    xdotool mousemove 528 160 click 1 # "Codice"
    xdotool key Tab Tab # past "Scaffale" to "Autore"
    xdotool type --delay 40 'Anna Bianchi'
    xdotool mousemove 331 70 click 1 # "Salva"
    for _ in $(seq 60); do
        [ "$(stat -c %s "$folder/Libri.pro" 2>/dev/null)" = 3237 ] && break
        sleep 0.5
    done
    sleep 2
    if [ -n "${SHOT:-}" ]; then import -window root "$SHOT"; fi
    xdotool key Return # the saved card's message
    sleep 1
    xdotool mousemove 1154 70 click 1 # "Esci": back to the main menu
    sleep 2
    xdotool mousemove 1136 700 click 1 # the main menu's exit
    wait $program
}
