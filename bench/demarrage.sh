#!/usr/bin/env bash
# Start-up on an X server: the time from launch to the chooser on screen, the
# CPU the program spends up to its first paint and in the second after it
# (work that no one sees), and the resident memory once all eight windows
# exist, beside a minimal Qt window (bare, and with one line of text)
# measured the same way in the same run.
#   xvfb-run -a -s "-screen 0 1280x800x24" bench/demarrage.sh build [runs]
set -euo pipefail
build=${1:-build}
fois=${2:-10}

mesurer() { # command, window title regex: "ms kB ms ms"
    # shellcheck disable=SC2086 # the command comes with its arguments
    "$(dirname "$0")/premiere_peinture.py" "$2" $1 || exit 1
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
    colonne() { grep . <<<"${resultats[$i]}" | cut -d' ' -f"$1" | mediane; }
    printf '%-34s start-up %4s ms, CPU %6s ms to the first paint and %6s ms in the second after it,' \
        "${commande#"$build"/}" "${temps[$i]}" "$(colonne 3)" "$(colonne 4)"
    printf ' resident memory %6s kB (medians of %s)\n' "$(colonne 2)" "$fois"
done
awk -v l="${temps[0]}" -v b="${temps[1]}" -v t="${temps[2]}" \
    'BEGIN {printf "Ludoval takes %.2f times the bare window, %.2f times the window with text\n", l / b, l / t}'
