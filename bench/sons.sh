#!/usr/bin/env bash
# The sounds a player hears, through a PulseAudio server of the bench's own
# (or the one PULSE_SERVER names, when LUDOVAL_SERVEUR=present: PipeWire's,
# say):
#   (a) for each game, the share of the sounds asked for over DEALS deals
#       that are heard, and each one's onset: from the call to the first
#       sound in the sink's monitor, median and worst;
#   (b) the program's CPU while idle, after a deal, with the player loaded;
#   (c) its resident memory after a Casino deal.
#   tests/sous_xvfb.sh bench/sons.sh build [DEALS]
set -uo pipefail
construction=$(readlink -f "$1")
donnes=${2:-10}
travail=$(mktemp -d)
source "$(dirname "$0")/../tests/e2e_commun.sh"
source "$(dirname "$0")/../tests/serveur_son.sh"
programme=
trap '[[ -n $programme ]] && kill $programme 2>/dev/null; serveur_son_arreter; [[ -n ${LUDOVAL_GARDER:-} ]] && cp -r "$travail" "$LUDOVAL_GARDER"; rm -rf "$travail"' EXIT
if [[ ${LUDOVAL_SERVEUR:-} != present ]]; then
    serveur_son_demarrer "$travail" || exit 1
fi

# (a)
(cd "$construction/shell" && QT_QPA_PLATFORM=offscreen "$construction/bench/bench_sons" \
    "$travail/son.raw" "$travail/appels" "$construction/shell/lecteur-sons.so" "$donnes") || exit 1
"$construction/tests/salves" "$travail/son.raw" >"$travail/salves"
# Each burst is dated by the block that brought its first samples back, and
# each call takes the first burst that came back within 250 ms.
awk '
    FILENAME ~ /blocs$/ { fin[++b] = $1; quand[b] = $2; next }
    FILENAME ~ /salves$/ {
        e = $1 * 22.05
        while (j < b && fin[j + 1] <= e) j++
        arrivee[++n] = quand[j + 1]
        next
    }
    {
        print $1, "asked"
        while (k < n && arrivee[k + 1] < $2) k++
        if (k < n && arrivee[k + 1] - $2 <= 250e6) print $1, (arrivee[++k] - $2) / 1e6
    }' "$travail/son.raw.blocs" "$travail/salves" "$travail/appels" >"$travail/delais"
for jeu in $(cut -d' ' -f1 "$travail/delais" | sort -u); do
    demandes=$(grep -c "^$jeu asked" "$travail/delais")
    grep "^$jeu [0-9]" "$travail/delais" | cut -d' ' -f2 | sort -g >"$travail/d"
    entendus=$(wc -l <"$travail/d")
    printf "(a) %-9s %4d sounds asked, %4d heard (%5.1f %%)" "$jeu" "$demandes" "$entendus" \
        "$(awk -v e="$entendus" -v d="$demandes" 'BEGIN {print 100 * e / d}')"
    [[ $entendus -gt 0 ]] && printf "; onset median %5.1f ms, worst %5.1f ms" \
        "$(sed -n "$(((entendus + 1) / 2))p" "$travail/d")" "$(tail -1 "$travail/d")"
    echo
done

# (b) and (c): the program itself, on the X server.
lancer() {
    (cd "$travail" && exec "$construction/shell/ludoval" >>"$travail/journal" 2>&1) &
    programme=$!
    choix=$(fenetre '^Ludoval$') || { echo "the program did not start:" >&2; cat "$travail/journal" >&2; exit 1; }
    sleep 1
}
ticks() { awk '{print $14 + $15}' "/proc/$programme/stat"; }
lancer
xdotool key Return # Blocus des quatorze deals
sleep 8
t0=$(ticks)
sleep 10
t1=$(ticks)
echo "(b) idle after a deal, player loaded: $(((t1 - t0) * 1000 / $(getconf CLK_TCK) / 10)) ms of CPU a second"
kill $programme
wait $programme 2>/dev/null
[[ $? -ne 143 ]] && { echo "the program ended badly:" >&2; cat "$travail/journal" >&2; }
lancer
clic "$choix" $(label 2) "--repeat 2 --delay 60 1" # Casino
sleep 6
echo "(c) resident memory after a Casino deal: $(awk '/VmRSS/ {printf "%.1f MB", $2 / 1024}' "/proc/$programme/status")" \
    "(Casino on screen: $(xdotool search --onlyvisible --name '^Casino$' >/dev/null 2>&1 && echo yes || echo no))"
