#!/usr/bin/env bash
# Screenshots of the chooser and of each game in play for docs/, taken from
# the real program on an X server (Xvfb) with real clicks (xdotool).
#   tools/captures/captures.sh build/shell/ludoval docs
set -euo pipefail
programme=$(realpath "$1")
sortie=$(realpath "${2:-docs}")
ecran=:${LUDOVAL_ECRAN:-47}

Xvfb "$ecran" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $prog $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$ecran
sleep 1
(cd "$(dirname "$programme")" && exec "$programme") >/dev/null 2>&1 &
prog=$!

fenetre() { # title: waits for the window and prints its id
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}
cliquer() { # window, x, y (client coordinates)
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    sleep 0.4
}
capturer() { # window, file
    import -window "$1" "$sortie/$2"
}

choix=$(fenetre Ludoval)
xdotool mousemove 0 0
capturer "$choix" choix.png

# game number, caption, seconds to deal, clicks (x,y ...), file
jouer() {
    local n=$1 titre=$2 donne=$3 fichier=$4
    shift 4
    choix=$(fenetre Ludoval)
    eval "$(xdotool getwindowgeometry --shell "$choix")"
    xdotool mousemove $((X + 8 + 60)) $((Y + 48 + 32 + 40 * (n - 1) + 15)) click --repeat 2 --delay 60 1
    local jeu
    jeu=$(fenetre "$titre")
    sleep "$donne"
    for point in "$@"; do cliquer "$jeu" "${point%,*}" "${point#*,}"; done
    xdotool mousemove 0 0
    sleep 0.5
    capturer "$jeu" "$fichier"
    cliquer "$jeu" 180 37 # the toolbar's "Choisir une réussite"
    sleep 0.5
}

jouer 1 "Le blocus des quatorze" 6 blocus.png 620,320
jouer 2 "Casino" 3.5 casino.png 240,285
jouer 3 "Le mélange" 1.5 melange.png 325,148
jouer 4 "Multiples de sept" 1 multiples.png 235,348 235,348 235,348 235,348 45,198 125,198
jouer 5 "Les petits paquets" 6 paquets.png 145,148
