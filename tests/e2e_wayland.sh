#!/usr/bin/env bash
# End to end under Wayland: the program, natively (PLATFORM wayland) or through
# Xwayland (xcb), on a weston of its own nested in the test's X server (run by
# sous_xvfb.sh), shows its chooser with no warning and keeps it in place, keeps
# its dialogs over their game, and ends when told to, as does the compositor.
#   tests/e2e_wayland.sh PROGRAM PLATFORM
set -uo pipefail
ludoval=$(readlink -f "$1")

# The compositor's socket and lock live in a runtime folder of the test's own.
travail=$(mktemp -d)
source "$(dirname "$0")/e2e_commun.sh"
export XDG_RUNTIME_DIR=$travail/run
mkdir -m 700 "$XDG_RUNTIME_DIR" "$travail/captures"
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

# Drawn in memory by the CPU, so that its screenshooter (--debug) sees the
# windows, in a window of the test's X server, which gives it input.
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket=ludoval --xwayland \
    --idle-time=0 --no-config --debug --log="$travail/weston.log" 2>/dev/null &
compositeur=$!
for _ in $(seq 200); do
    xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$travail/weston.log")
    [[ -S $XDG_RUNTIME_DIR/ludoval && -n $xwayland ]] && break
    sleep 0.05
done
[[ -S $XDG_RUNTIME_DIR/ludoval ]] || { cat "$travail/weston.log" >&2; echo "FAIL: weston did not start" >&2; exit 1; }
export WAYLAND_DISPLAY=ludoval
# Weston follows the pointer once it has come into its window.
xdotool mousemove 1279 799 sleep 0.3 mousemove 512 384

# The protocol log goes to the program's error output, with any warning.
(cd "$travail" && QT_QPA_PLATFORM=$2 DISPLAY=$xwayland WAYLAND_DEBUG=1 exec "$ludoval" >"$travail/sortie" 2>"$travail/journal") &
programme=$!

# The chooser is on screen once the screen shows its aqua list and the red
# label of the game it opens on (at least half their areas, 241 x 249 and
# 202 x 30 pixels).
couleur() { # picture colour: how many pixels have exactly that colour
    convert "$1" -format %c histogram:info:- | awk -v c="$2" 'index($0, c) {n += $1} END {print n + 0}'
}
affiche=
for _ in $(seq 60); do
    rm -f "$travail/captures"/*
    (cd "$travail/captures" && weston-screenshooter >/dev/null 2>&1)
    capture=$(ls "$travail/captures"/*.png 2>/dev/null | head -1)
    if [[ -n $capture ]] && (($(couleur "$capture" '#00FFFF') > 30000 && $(couleur "$capture" '#FF0000') > 3000)); then
        affiche=$capture
        break
    fi
    sleep 0.25
done
if [[ -n $affiche ]]; then ok "the chooser is on screen"; else echec "the chooser is on screen"; fi
[[ $2 == xcb ]] || verifier "the chooser's window is a Wayland toplevel named Ludoval" \
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Ludoval")' "$travail/journal"

capture() { import -window root "$travail/$1.png"; }
touches() { xdotool key --delay 300 "$@" && sleep 1.5; }
place() { capture ecran && convert "$travail/ecran.png" -fill black +opaque "$1" -format %@ info:; } # of a colour
# The window titled so: its Wayland toplevel, or its X window.
toplevel() { grep -o "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$travail/journal" | tail -1 | cut -d. -f1; }
fenetre_x() { DISPLAY=$xwayland xdotool search --onlyvisible --name "^$1\$" | head -1; }
transitoire() { # dialog title, platform: it is transient for the Casino window
    if [[ $2 == wayland ]]; then grep -q "$(toplevel "$1")\.set_parent($(toplevel Casino))" "$travail/journal"
    else [[ $(DISPLAY=$xwayland xprop -id "$(fenetre_x "$1")" WM_TRANSIENT_FOR) == *"# $(printf 0x%x "$(fenetre_x Casino)")" ]]; fi
}
sleep 1 # the compositor's animations
choix=$(place '#00FFFF')
for _ in 1 2 3; do touches Return; touches alt+j c; done
[[ $2 == xcb ]] && verifier "the chooser comes back where it was" test "$(place '#00FFFF')" = "$choix"
touches Down Return
for dialogue in "a a/A propos/Return" "o c/Choix du dos des cartes/Escape" "o o/Couleurs/Escape"; do
    IFS=/ read -r lettres titre fin <<<"$dialogue"
    # The keyboard to the game, by a click on its status bar.
    read -r x y <<<"$(place '#A6CAF0' | awk -F'[x+]' '{print $3 + 5, $4 + 5}')"
    xdotool mousemove "$x" "$y" sleep 0.3 click 1 sleep 0.5
    touches "alt+${lettres% *}" "${lettres#* }"
    verifier "\"$titre\" belongs to the game's window" transitoire "$titre" "$2"
    if [[ $titre == "A propos" ]]; then # clicked again, the game stays under it
        capture avant && xdotool click 1 sleep 0.8 && capture apres
        verifier "a click on the game leaves the about box on top" \
            test "$(compare -metric AE "$travail/avant.png" "$travail/apres.png" null: 2>&1)" -lt 2000
    fi
    touches "$fin"
done

# Told to end, it ends at once; then so does the compositor, cleanly.
kill -0 "$programme" 2>/dev/null || echec "the program ended before it was told to"
arreter "$programme"
statut=$?
programme=
if ((statut == 143)); then ok "the program ends when told to"; else echec "the program ends when told to (status $statut)"; fi
# Everything it wrote, but for the protocol log, is a warning.
avertissements=$(cat "$travail/journal" "$travail/sortie" | grep -v '^\[ *[0-9.]*\] ')
if [[ -z $avertissements ]]; then ok "no warning"; else echec "warnings:"$'\n'"$avertissements"; fi
grep -q 'wl_display@1\.error' "$travail/journal" && echec "a protocol error"
arreter "$compositeur"
statut=$?
compositeur=
if ((statut == 0)); then ok "weston ends cleanly"; else echec "weston ends cleanly (status $statut)"; fi

if ((echecs > 0)); then
    echo "$echecs failed" >&2
    exit 1
fi
echo "Wayland checks passed"
