#!/usr/bin/env bash
# End to end under a compositor: weston, nested in the test's own X server
# (run by sous_xvfb.sh) with Xwayland, takes that server's input and draws
# there. The program is played through Xwayland (QT_QPA_PLATFORM=xcb), then
# natively (wayland):
#   the chooser comes on screen with no warning, and ends when told to;
#   a game opened and left three times leaves the chooser where it was;
#   the about box, the card-back chooser and the colour dialog belong to
#   the game window that opened them, and a click on that window leaves the
#   about box on top.
#   tests/e2e_wayland.sh PROGRAM
set -uo pipefail
ludoval=$(readlink -f "$1")
travail=$(mktemp -d)
source "$(dirname "$0")/e2e_commun.sh"

# The compositor's socket and lock live in a runtime folder of the test's own.
export XDG_RUNTIME_DIR=$travail/run WAYLAND_DISPLAY=ludoval
mkdir -m 700 "$XDG_RUNTIME_DIR"
ecran=$DISPLAY
compositeur=
programme=
arreter() { # pid: ends the process, and gives its exit status
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
fin() {
    [[ -n $programme ]] && arreter "$programme"
    [[ -n $compositeur ]] && arreter "$compositeur"
    rm -rf "$travail"
}
trap fin EXIT

weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket=ludoval --xwayland \
    --idle-time=0 --no-config --log="$travail/weston.log" 2>/dev/null &
compositeur=$!
xwayland=
for _ in $(seq 100); do
    xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$travail/weston.log" 2>/dev/null)
    [[ -S $XDG_RUNTIME_DIR/ludoval && -n $xwayland ]] && break
    sleep 0.05
done
[[ -n $xwayland ]] || { cat "$travail/weston.log" >&2; echo "FAIL: weston did not start" >&2; exit 1; }
# Weston follows the pointer once it has come into its window.
xdotool mousemove 1279 799 sleep 0.3 mousemove 512 384

capture() { import -window root "$travail/$1.png"; }
touches() { xdotool key --delay 300 "$@" && sleep 1.5; }
couleur() { # picture colour: how many pixels have exactly that colour
    convert "$1" -format %c histogram:info:- | awk -v c="$2" 'index($0, c) {n += $1} END {print n + 0}'
}
boite() { convert "$1" -fill black +opaque "$2" -format %@ info:; } # picture colour: around that colour
# The dialog titled $1 is transient for the window titled $2.
transitoire() {
    if [[ $QT_QPA_PLATFORM == xcb ]]; then
        local d f
        d=$(DISPLAY=$xwayland xdotool search --onlyvisible --name "^$1\$" | head -1)
        f=$(DISPLAY=$xwayland xdotool search --onlyvisible --name "^$2\$" | head -1)
        [[ -n $d && $(DISPLAY=$xwayland xprop -id "$d" WM_TRANSIENT_FOR) == *"# $(printf 0x%x "$f")" ]]
    else # the toplevels named so, in the protocol log
        local d f
        d=$(grep -o "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$travail/journal" | tail -1 | cut -d. -f1)
        f=$(grep -o "xdg_toplevel@[0-9]*\.set_title(\"$2\")" "$travail/journal" | tail -1 | cut -d. -f1)
        [[ -n $d ]] && grep -q "$d\.set_parent($f)" "$travail/journal"
    fi
}

passe() {
    export QT_QPA_PLATFORM=$1
    echo "== through $1"
    # The protocol log goes to the program's error output, with any warning.
    (cd "$travail" && DISPLAY=$xwayland WAYLAND_DEBUG=1 exec "$ludoval" >"$travail/sortie" 2>"$travail/journal") &
    programme=$!
    # The chooser is on screen once the screen shows its aqua list and the
    # red label of its game (at least half their areas).
    local choix= place
    for _ in $(seq 60); do
        capture choix
        (($(couleur "$travail/choix.png" '#00FFFF') > 30000 && $(couleur "$travail/choix.png" '#FF0000') > 3000)) &&
            choix=1 && break
        sleep 0.25
    done
    verifier "the chooser is on screen" test -n "$choix"
    sleep 1 # once the compositor's animations are over
    capture choix
    choix=$(boite "$travail/choix.png" '#00FFFF')
    for _ in 1 2 3; do
        touches Return
        touches alt+j c
    done
    capture choix
    place=$(boite "$travail/choix.png" '#00FFFF')
    [[ $1 == xcb ]] && verifier "the chooser comes back where it was ($choix, then $place)" test "$place" = "$choix"

    touches Down Return
    local dialogue titre fin x y
    for dialogue in "a a/A propos/Return" "o c/Choix du dos des cartes/Escape" "o o/Couleurs/Escape"; do
        IFS=/ read -r touches titre fin <<<"$dialogue"
        # The keyboard to the game, by a click on its status bar.
        capture avant
        read -r x y <<<"$(boite "$travail/avant.png" '#A6CAF0' | awk -F'[x+]' '{print $3 + 5, $4 + 5}')"
        xdotool mousemove "$x" "$y" sleep 0.3 click 1 sleep 0.5
        touches "alt+${touches% *}" "${touches#* }"
        verifier "\"$titre\" belongs to the game's window" transitoire "$titre" Casino
        if [[ $titre == "A propos" ]]; then # the same click, and the box stays above the game
            capture avant
            xdotool click 1 sleep 0.8
            capture apres
            verifier "a click on the game leaves the about box on top" \
                test "$(compare -metric AE "$travail/avant.png" "$travail/apres.png" null: 2>&1)" -lt 2000
        fi
        touches "$fin"
    done

    # Told to end, it ends at once, having written nothing but the protocol log.
    kill -0 "$programme" 2>/dev/null || echec "the program ended before it was told to"
    arreter "$programme"
    verifier "the program ends when told to" test $? -eq 143
    programme=
    local avertissements
    avertissements=$(cat "$travail/journal" "$travail/sortie" | grep -v '^\[ *[0-9.]*\] ')
    verifier "no warning${avertissements:+: $avertissements}" test -z "$avertissements"
    if grep -q 'wl_display@1\.error' "$travail/journal"; then echec "a protocol error"; fi
}
passe xcb
passe wayland

arreter "$compositeur"
verifier "weston ends cleanly" test $? -eq 0
compositeur=
bilan
