#!/usr/bin/env bash
# End to end on a real X server (run by sous_xvfb.sh): what only a real server
# shows, with real clicks and keys. The program is played twice: without a
# window manager, from a directory holding hostile sounds and a hostile help
# file, then under openbox (when it is installed) from an empty directory.
#
#   Enter on a freshly started chooser opens the selected game;
#   right clicks on the table, the bars and the cards open no popup, and a
#   right click completes a choice without swallowing the next one;
#   Alt+A and Alt+O open the Aide and Options menus;
#   a window resized larger keeps its cards where they were, and is never
#   made smaller than designed;
#   the windows are centred with their frame, and carry the program's icon;
#   the sound player is found beside the program;
#   the rules help opens beside the game, which goes on whatever the file;
#   Up, Down, Home and End move the chooser's selection as clicks do;
#   input that comes in one burst never puts two windows on screen;
#   once the help viewer closes, the game has the keyboard again.
set -uo pipefail
ludoval=$(readlink -f "$1")
travail=$(mktemp -d)
source "$(dirname "$0")/e2e_commun.sh"
programme=
wm=
fin() {
    [[ -n $programme ]] && kill "$programme" 2>/dev/null
    [[ -n $wm ]] && kill "$wm" 2>/dev/null
    rm -rf "$travail"
}
trap fin EXIT

# ---- looking at the screen ----

taille() { xwininfo -id "$1" | awk '/^  Width/ {w = $2} /^  Height/ {h = $2} END {print w, h}'; }
ecran() { xwininfo -root | awk '/^  Width/ {w = $2} /^  Height/ {h = $2} END {print w, h}'; }
cadre() { # id: the frame's left, right, top and bottom (0 0 0 0 without a window manager)
    local e
    e=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
    echo "${e:-0 0 0 0}"
}
# Top-level windows on screen: popups are, and a window manager's frames.
fenetres_visibles() {
    xwininfo -root -children | awk '/^ +0x/ {print $1}' | while read -r id; do
        xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
    done
}
combien() { fenetres_visibles | wc -l; }
titres() { # of the windows on screen, to tell what went wrong
    for id in $(fenetres_visibles); do xprop -id "$id" WM_NAME | sed 's/.*= //'; done | paste -sd,
}
# The window carries the program's icon, in its five sizes from 16 to 128
# pixels (it comes just after the chooser's first paint).
iconee() { # id
    for _ in $(seq 40); do
        [[ $(xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | wc -l) -ge 5 ]] &&
            return 0
        sleep 0.05
    done
    return 1
}
pixel() { # id x y: the colour at a client point, as "r,g,b"
    capturer "$1" "$2" "$3" 1 1 "$travail/pixel.png"
    convert "$travail/pixel.png" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
couleur() { [[ $(pixel "$1" "$2" "$3") == "$4" ]]; } # id x y r,g,b
mesure() { [[ $(taille "$1") == "$2 $3" ]]; } # id w h
a_le_clavier() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; } # id
nouvelle() { # windows on screen before: the first one on screen since
    comm -13 <(echo "$1" | sort) <(fenetres_visibles | sort) | head -1 | grep .
}
centree() { # id: the window with its frame lies in the middle of the screen
    local X Y w h g d t b W H
    read -r X Y <<<"$(position "$1")"
    read -r w h <<<"$(taille "$1")"
    read -r g d t b <<<"$(cadre "$1")"
    read -r W H <<<"$(ecran)"
    local x0=$((X - g)) y0=$((Y - t)) fw=$((w + g + d)) fh=$((h + t + b))
    (((x0 - (W - fw) / 2) ** 2 <= 1 && (y0 - (H - fh) / 2) ** 2 <= 1)) && return 0
    echo "   frame at $x0,$y0, $fw x $fh, on a screen of $W x $H" >&2
    return 1
}
# Input as fast as the server takes it: button presses and releases sent
# through XTEST and flushed at once, so that they queue up behind each other.
rafale() { # "x y clicks"...: screen points, each clicked so many times
    /usr/bin/python3 - "$@" <<'EOF'
import sys
from Xlib import X, display
from Xlib.ext import xtest
d = display.Display()
for point in sys.argv[1:]:
    x, y, n = map(int, point.split())
    xtest.fake_input(d, X.MotionNotify, x=x, y=y)
    for _ in range(n):
        xtest.fake_input(d, X.ButtonPress, 1)
        xtest.fake_input(d, X.ButtonRelease, 1)
d.flush()
EOF
}
# Asks a window to close, as a window manager's close box does.
fermer() { # id
    /usr/bin/python3 - "$1" <<'EOF'
import sys
from Xlib import X, display, protocol
d = display.Display()
w = d.create_resource_object('window', int(sys.argv[1], 0))
w.send_event(protocol.event.ClientMessage(
    window=w, client_type=d.intern_atom('WM_PROTOCOLS'),
    data=(32, [d.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0])))
d.flush()
EOF
}
# The screen point of a client point of window `id`.
ecran_point() { # id x y
    local X Y
    read -r X Y <<<"$(position "$1")"
    echo $((X + $2)) $((Y + $3))
}

# The Blocus des quatorze layout: the bottom card of columns 0 to 3 lies on
# the fifth row, at (65 c + 5, 360); a point on its visible part.
POINT_BAS=(40 420 100 420 165 420)

partie() { # title of the pass
    echo "== $1"
    (cd "$travail/cwd" && exec "$ludoval" >"$travail/journal" 2>&1) &
    programme=$!

    local choix jeu n0 n X Y
    if ! choix=$(fenetre '^Ludoval$'); then
        echec "the chooser appears"
        tail -20 "$travail/journal" >&2
        return
    fi
    verifier "the chooser is centred with its frame" bientot centree "$choix"
    verifier "the chooser carries the program's icon" iconee "$choix"

    # Enter, straight away, opens the selected game.
    xdotool key Return
    if jeu=$(fenetre '^Le blocus des quatorze$'); then
        if bientot absente '^Ludoval$'; then ok "Enter opens the selected game"; else echec "Enter hides the chooser"; fi
    else
        echec "Enter opens the selected game"
        # On with the rest: a double click on "Blocus des quatorze" opens it.
        clic "$choix" $(label 1) "--repeat 2 --delay 60 1"
        if ! jeu=$(fenetre '^Le blocus des quatorze$'); then echec "a double click opens the game"; return; fi
    fi
    verifier "the game window is centred with its frame" bientot centree "$jeu"
    verifier "the game window carries the program's icon" iconee "$jeu"
    verifier "the deal ends" attendre_immobile "$jeu"
    xdotool key alt+a a
    verifier "the about box is centred with its frame" bientot centree "$(fenetre '^A propos$')"
    xdotool key Return

    # Right clicks beside the cards: nothing opens.
    n0=$(combien)
    local endroit
    for endroit in "600 480 table" "300 10 menu bar" "780 37 toolbar" "400 540 status bar"; do
        read -r X Y nom <<<"$endroit"
        clic "$jeu" "$X" "$Y" 3
        sleep 0.5
        n=$(combien)
        verifier "a right click on the $nom opens no popup" test "$n" -eq "$n0"
        [[ $n -ne $n0 ]] && xdotool key Escape && sleep 0.3
    done

    # Right clicks on two bottom cards make a choice, judged at once; the
    # third is a new choice, not swallowed by anything.
    capturer "$jeu" 5 360 71 96 "$travail/carte0.png"
    clic "$jeu" "${POINT_BAS[0]}" "${POINT_BAS[1]}" 3
    verifier "a right click chooses a card" bientot change "$jeu" 5 360 71 96 "$travail/carte0.png"
    clic "$jeu" "${POINT_BAS[2]}" "${POINT_BAS[3]}" 3
    sleep 1.6 # the judgement, and its pause when refused
    verifier "a right click completing a choice opens no popup" test "$(combien)" -eq "$n0"
    capturer "$jeu" 135 360 71 96 "$travail/carte2.png"
    clic "$jeu" "${POINT_BAS[4]}" "${POINT_BAS[5]}" 3
    verifier "the next right click is not lost" bientot change "$jeu" 135 360 71 96 "$travail/carte2.png"
    verifier "no popup after the choices" test "$(combien)" -eq "$n0"

    # The menu bar's access letters open its menus.
    local popup
    read -r X Y <<<"$(position "$jeu")"
    for touche in "a Aide 25 75" "o Options 70 140"; do
        read -r lettre menu gauche droite <<<"$touche"
        local avant
        avant=$(fenetres_visibles)
        xdotool key "alt+$lettre"
        if ! popup=$(bientot nouvelle "$avant"); then
            echec "Alt+${lettre^^} opens the $menu menu"
            continue
        fi
        read -r px _ <<<"$(position "$popup")"
        verifier "Alt+${lettre^^} opens the $menu menu" test $((px - X)) -ge "$gauche" -a $((px - X)) -lt "$droite"
        xdotool key Escape
        sleep 0.3
    done

    # Larger: the cards stay where they were, the status bar goes down.
    capturer "$jeu" 0 50 792 480 "$travail/table.png"
    xdotool windowsize "$jeu" 1000 640
    verifier "the game window grows" bientot mesure "$jeu" 1000 640
    verifier "the cards keep their places in a larger window" bientot montre "$jeu" 0 50 792 480 "$travail/table.png"
    verifier "the table colour fills what is added" bientot couleur "$jeu" 950 580 0,255,255
    verifier "the status bar lies at the bottom" bientot couleur "$jeu" 950 632 166,202,240
    # Smaller than designed: the window manager refuses, from the window's
    # size hints (without one, nothing stands between a client and a window).
    if [[ $1 == *openbox* ]]; then
        xdotool windowsize "$jeu" 300 200
        sleep 0.8
        read -r w h <<<"$(taille "$jeu")"
        verifier "the game window is never made smaller than designed" test "$w" -ge 792 -a "$h" -ge 553
        if [[ $w -lt 792 || $h -lt 553 ]]; then # what was on screen then, to tell why
            echo "   it measures ${w}x$h; openbox $(kill -0 "$wm" 2>/dev/null && echo runs || echo "has ended")" >&2
            xdotool windowsize "$jeu" 792 553 # the rest of the pass needs its toolbar whole
            sleep 0.8
        fi
    fi

    # The rules help, beside the game: the game goes on whatever the file.
    xdotool key alt+a r
    local aide
    aide=$(bientot pgrep -P "$programme" -x ludoval-aide)
    verifier "the help viewer runs in a process of its own" test -n "$aide"
    [[ $1 == *openbox* ]] && verifier "the help viewer shows the rules" fenetre '^Aide de Ludoval$' >/dev/null
    local v
    for v in $(xdotool search --name '^Aide de Ludoval$' 2>/dev/null); do
        xdotool windowmove "$v" 0 780 2>/dev/null # out of the way of the clicks below
    done
    sleep 0.3
    capturer "$jeu" 0 50 792 480 "$travail/avant-donne.png"
    clic "$jeu" 40 37 1 # "Nouvelle Partie"
    verifier "the game goes on beside the help" bientot change "$jeu" 0 50 792 480 "$travail/avant-donne.png"

    # "Quitter": the deal runs to its end, then the program ends, and the
    # help viewer with it.
    clic "$jeu" 280 37 1
    for _ in $(seq 150); do
        kill -0 "$programme" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$programme" 2>/dev/null; then echec "Quitter ends the program"; else ok "Quitter ends the program"; fi
    programme=
    if grep -q 'no sound module' "$travail/journal"; then echec "the sound player is found"; else ok "the sound player is found"; fi
    sleep 0.5
    if [[ -n $aide ]] && kill -0 "$aide" 2>/dev/null; then
        echec "the help viewer ends with the program"
        kill "$aide"
    else
        ok "the help viewer ends with the program"
    fi
}

# ---- first pass: no window manager, hostile files in the current directory ----
mkdir -p "$travail/cwd"
# A header that claims 4 GB of sound, and tables nested forty deep (hours of
# text layout).
for son in CarteDistrib CarteSelectionnee Gagne; do
    {
        printf 'RIFF\xff\xff\xff\xffWAVEfmt \x10\x00\x00\x00'
        printf '\x01\x00\x01\x00\x22\x56\x00\x00\x44\xac\x00\x00\x02\x00\x10\x00'
        printf 'data\xff\xff\xff\xff'
        head -c 1000 /dev/zero
    } >"$travail/cwd/$son.wav"
done
{
    printf '<html><body>'
    for _ in $(seq 40); do printf '<table border=1><tr><td>x'; done
} >"$travail/cwd/ludoval.html"
partie "without a window manager, hostile files around"

# ---- the chooser's keys, bursts of input and the keyboard after the help,
# without a window manager ----
clavier_et_rafales() {
    echo "== the keyboard and bursts of input, without a window manager"
    mkdir -p "$travail/calme"
    (cd "$travail/calme" && exec "$ludoval" >"$travail/journal" 2>&1) &
    programme=$!
    local choix jeu touche n x y
    if ! choix=$(fenetre '^Ludoval$'); then
        echec "the chooser appears"
        return
    fi
    bientot a_le_clavier "$choix"
    # The game list has the keyboard: each key leaves the chooser exactly as
    # a click on the game it leads to does (red label, title, preview, summary).
    for touche in "Down 2" "Down 3" "End 5" "Up 4" "Home 1" "Up 1" "End 5"; do
        read -r touche n <<<"$touche"
        read -r x y <<<"$(label "$n")"
        xdotool key "$touche"
        # Taken once the name turns red (above it, in its label).
        if ! bientot couleur "$choix" "$x" $((y - 13)) 255,0,0; then
            echec "$touche selects game $n"
            continue
        fi
        capturer "$choix" 0 0 792 470 "$travail/touche.png"
        clic "$choix" "$x" "$y" 1
        sleep 0.3
        verifier "$touche selects game $n as a click does" montre "$choix" 0 0 792 470 "$travail/touche.png"
    done
    xdotool key Return
    verifier "Enter opens the game the keys chose" fenetre '^Les petits paquets$' >/dev/null
    sleep 0.5
    xdotool key alt+j c # back, by the menu's access letters
    choix=$(fenetre '^Ludoval$') || return
    sleep 0.5
    xdotool key Home

    # OK, then a double click on "Petits paquets", in one burst: Blocus alone.
    rafale "$(ecran_point "$choix" 448 440) 1" "$(ecran_point "$choix" $(label 5)) 2"
    jeu=$(fenetre '^Le blocus des quatorze$')
    sleep 1.5
    verifier "OK then a double click, in one burst: one window on screen, the game of OK ($(titres))" \
        test "$(combien)" -eq 1 -a -n "$jeu"
    xdotool key alt+j c
    choix=$(fenetre '^Ludoval$') || return
    sleep 0.5
    # Double clicks on "Casino" then on "Petits paquets", in one burst: Casino alone.
    rafale "$(ecran_point "$choix" $(label 2)) 2" "$(ecran_point "$choix" $(label 5)) 2"
    jeu=$(fenetre '^Casino$')
    sleep 1.5
    verifier "two double clicks in one burst: one window on screen, the first game ($(titres))" \
        test "$(combien)" -eq 1 -a -n "$jeu"
    [[ -n $jeu ]] || return
    verifier "the deal ends" attendre_immobile "$jeu"

    # The rules help, closed: the keyboard is the game's again, wherever the
    # mouse is.
    xdotool key alt+a r
    local aide
    if aide=$(fenetre '^Aide de Ludoval$'); then
        fermer "$aide"
        for _ in $(seq 50); do
            pgrep -P "$programme" -x ludoval-aide >/dev/null || break
            sleep 0.1
        done
        xdotool mousemove 0 0
        verifier "after the help, the game has the keyboard focus" bientot a_le_clavier "$jeu"
        local avant popup
        avant=$(fenetres_visibles)
        xdotool key alt+j
        popup=$(bientot nouvelle "$avant")
        verifier "after the help, Alt+J opens the Jeu menu" test -n "$popup"
        [[ -n $popup ]] && xdotool key Escape && sleep 0.3
        capturer "$jeu" 0 50 792 480 "$travail/avant-donne.png"
        xdotool key ctrl+n
        verifier "after the help, Ctrl+N deals" bientot change "$jeu" 0 50 792 480 "$travail/avant-donne.png"
    else
        echec "the help viewer opens"
    fi
    kill "$programme" 2>/dev/null
    wait "$programme" 2>/dev/null
    programme=
}
clavier_et_rafales

# ---- second pass: under openbox ----
if command -v openbox >/dev/null; then
    rm -rf "$travail/cwd"
    mkdir -p "$travail/cwd"
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do # until it says it is there
        gestionnaire=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*# //p')
        [[ -n $gestionnaire ]] && xprop -id "$gestionnaire" _NET_WM_NAME 2>/dev/null | grep -q Openbox && break
        sleep 0.05
    done
    partie "under openbox"
else
    echo "skip: openbox is not installed"
fi

bilan
