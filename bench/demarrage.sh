#!/usr/bin/env bash
# Start-up on an X server: the time from launch to the chooser on screen, and
# the resident memory once all eight windows exist, beside a minimal Qt window
# (bare, and with one line of text) measured the same way in the same run.
#   xvfb-run -a -s "-screen 0 1280x800x24" bench/demarrage.sh build [runs]
set -euo pipefail
build=${1:-build}
fois=${2:-10}

mesurer() { # command, window title regex: prints "ms kB"
    local debut fin pid
    debut=$(date +%s%N)
    $1 >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
        if ! kill -0 $pid 2>/dev/null; then
            echo "$1 ended before showing its window" >&2
            exit 1
        fi
        sleep 0.002 # leave the server and the program to their work
    done
    fin=$(date +%s%N)
    sleep 0.5 # let it settle before reading its memory
    echo "$(( (fin - debut) / 1000000 )) $(awk '/^VmRSS/ {print $2}' /proc/$pid/status)"
    kill $pid
    wait $pid 2>/dev/null || true
}

# The server starts afresh whenever its last client leaves, and refuses
# connections meanwhile: one client stays for the whole run.
xprop -root -spy >/dev/null 2>&1 &
temoin=$!
trap 'kill $temoin' EXIT

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# The three take turns, run after run, so that whatever else the machine is
# doing weighs on all three alike.
programmes=("$build/shell/ludoval:^Ludoval$" "$build/bench/fenetre_minimale:^Minimale$"
            "$build/bench/fenetre_minimale --texte:^Minimale$")
resultats=()
for _ in $(seq "$fois"); do
    for i in "${!programmes[@]}"; do
        programme=${programmes[$i]}
        resultats[$i]+="$(mesurer "${programme%%:*}" "${programme#*:}")"$'\n'
    done
done
for i in "${!programmes[@]}"; do
    commande=${programmes[$i]%%:*}
    temps[$i]=$(grep . <<<"${resultats[$i]}" | cut -d' ' -f1 | mediane)
    printf '%-34s start-up %4s ms (median of %s), resident memory %6s kB\n' "${commande#"$build"/}" \
        "${temps[$i]}" "$fois" "$(grep . <<<"${resultats[$i]}" | cut -d' ' -f2 | mediane)"
done
awk -v l="${temps[0]}" -v b="${temps[1]}" -v t="${temps[2]}" \
    'BEGIN {printf "Ludoval takes %.2f times the bare window, %.2f times the window with text\n", l / b, l / t}'
