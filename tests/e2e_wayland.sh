#!/usr/bin/env bash
# End to end under Wayland: the program, run natively (QT_QPA_PLATFORM=wayland)
# on a headless weston of its own, brings its chooser up on screen with no
# warning, and ends when told to, as does the compositor.
#   tests/e2e_wayland.sh PROGRAM
set -uo pipefail
ludoval=$(readlink -f "$1")
echecs=0
ok() { echo "ok: $*"; }
echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }

# The compositor's socket and lock live in a runtime folder of the test's own.
travail=$(mktemp -d)
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
# windows.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --socket=ludoval \
    --idle-time=0 --no-config --debug --log="$travail/weston.log" 2>/dev/null &
compositeur=$!
for _ in $(seq 100); do
    [[ -S $XDG_RUNTIME_DIR/ludoval ]] && break
    sleep 0.05
done
[[ -S $XDG_RUNTIME_DIR/ludoval ]] || { cat "$travail/weston.log" >&2; echo "FAIL: weston did not start" >&2; exit 1; }
export WAYLAND_DISPLAY=ludoval
unset DISPLAY

# The protocol log goes to the program's error output, with any warning.
(cd "$travail" && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 exec "$ludoval" >"$travail/sortie" 2>"$travail/journal") &
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
if grep -q 'xdg_toplevel@[0-9]*\.set_title("Ludoval")' "$travail/journal"; then
    ok "the chooser's window is a Wayland toplevel named Ludoval"
else
    echec "the chooser's window is a Wayland toplevel named Ludoval"
fi

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
