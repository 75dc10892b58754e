#!/usr/bin/env bash
# End to end on a real X server (run under xvfb-run): the program starts on
# the chooser, a double click opens Blocus des quatorze and hides the chooser,
# "Choisir une réussite" brings the chooser back.
set -euo pipefail
ludoval=$1
attendre_fenetre() { # title regex; waits until a window so named is on screen
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
        sleep 0.05
    done
    echo "FAIL: no window named $1" >&2
    return 1
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
position() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=|^Y=/ {printf "%s ", $2}'; }

"$ludoval" >/tmp/ludoval-e2e.$$.log 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

choix=$(attendre_fenetre '^Ludoval$')
read -r x y <<<"$(position "$choix")"
# The label "Blocus des quatorze": panel at (8, 48), label at (15, 32) in it.
xdotool mousemove $((x + 8 + 15 + 40)) $((y + 48 + 32 + 15)) click --repeat 2 --delay 60 1
jeu=$(attendre_fenetre '^Le blocus des quatorze$')
sleep 0.3
if visible '^Ludoval$'; then echo "FAIL: the chooser is still on screen" >&2; exit 1; fi
echo "ok: double click shows Le blocus des quatorze and hides the chooser"

# The toolbar's second button, "Choisir une réussite", in the middle of the deal.
read -r x y <<<"$(position "$jeu")"
xdotool mousemove $((x + 180)) $((y + 37)) click 1
attendre_fenetre '^Ludoval$' >/dev/null
sleep 0.3
if visible '^Le blocus des quatorze$'; then echo "FAIL: the game window is still on screen" >&2; exit 1; fi
echo "ok: Choisir une réussite brings the chooser back"
kill -0 $pid || { echo "FAIL: the program has ended" >&2; exit 1; }
echo "1 passed, 0 failed"
