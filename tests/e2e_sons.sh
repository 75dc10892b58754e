#!/usr/bin/env bash
# The sounds a player hears, end to end: the program on a real X server,
# played with real clicks, its sounds through a PulseAudio server of the
# test's own, recorded from the sink's monitor and counted as bursts.
#
#   a Blocus des quatorze deal: 52 deal sounds;
#   a chosen card: one selection sound, played whole; then no stream open;
#   a Casino deal: 25 deal sounds; a refused pair: two selection sounds,
#   each ended before the next sound, then three beeps;
#   Mélange played to its win (the cards read off the screen): the win sound;
#   and again with the server stopped, then killed, in the middle of a deal:
#   the deal ends on time, and the game goes on without a word.
#
#   e2e_sons.sh PROGRAM SALVES (under an X server)
set -uo pipefail
ludoval=$(readlink -f "$1")
salves=$(readlink -f "$2")
ici=$(dirname "$(readlink -f "$0")")
travail=$(mktemp -d)
source "$ici/e2e_commun.sh"
source "$ici/serveur_son.sh"
programme=
fin() {
    [[ -n $programme ]] && kill "$programme" 2>/dev/null
    serveur_son_arreter
    rm -rf "$travail"
}
trap fin EXIT

# ---- hearing ----

# The bursts of the recording, "start length peak" in ms.
ecouter() { # file
    fin_enregistrement
    "$salves" "$1" >"$1.salves"
    cat "$1.salves"
}
combien_de_salves() { wc -l <"$1.salves"; }
# Each burst played whole: none shorter than `ms` (a sound cut off by the
# next, or never started, is shorter than its own length).
entieres() { # file ms
    awk -v m="$2" '$2 < m {exit 1}' "$1.salves" && return 0
    montrer "$1"
    return 1
}
montrer() { # file: its bursts, to tell why
    sed 's/^/   burst at (ms, length, peak): /' "$1.salves" >&2
}

# ---- the games ----

lancer() {
    (cd "$travail/cwd" && exec "$ludoval" >>"$travail/journal" 2>&1) &
    programme=$!
    choix=$(fenetre '^Ludoval$') || { echec "the chooser appears"; tail "$travail/journal" >&2; return 1; }
    sleep 0.5
}
# From a game window, through the chooser, to the game on line `ligne`.
choisir() { # game window, line (1 to 5), title
    xdotool key alt+j
    sleep 0.3
    xdotool key c
    sleep 0.5
    choix=$(fenetre '^Ludoval$') # a window of its own each time it is shown
    clic "$choix" $(label "$2") "--repeat 2 --delay 60 1"
    fenetre "$3"
}

# The faces at the eight places of Mélange, their ranks, and a pair of
# places whose ranks follow each other.
mkdir -p "$travail/faces" "$travail/cwd"
for f in "$ici"/../resources/cards/[CKPT][0-9]*.bmp; do
    [[ $f == *@2x.bmp ]] || convert "$f" -depth 8 "rgb:$travail/faces/$(basename "$f" .bmp)"
done
PLACES_MELANGE=(140,100 290,100 440,100 590,100 140,250 290,250 440,250 590,250)
paire_melange() { # window: "a b", places whose ranks follow, or nothing
    import -window "$1" -depth 8 "rgb:$travail/fenetre.rgb" 2>/dev/null
    local largeur
    largeur=$(xwininfo -id "$1" | awk '/^  Width/ {print $2}')
    /usr/bin/python3 "$ici/cartes.py" "$travail/fenetre.rgb" "$largeur" "$travail/faces" "${PLACES_MELANGE[@]}" |
        tr ' ' '\n' | awk '
            { rang[NR - 1] = substr($0, 2) + 0; if ($0 == "?") inconnue = 1 }
            END {
                if (inconnue) { print "?"; exit }
                for (a = 0; a < 8; a++) for (b = a + 1; b < 8; b++)
                    if (rang[a] - rang[b] == 1 || rang[b] - rang[a] == 1) { print a, b; exit }
            }'
}
clic_place_melange() { # window place
    local x=${PLACES_MELANGE[$2]%,*} y=${PLACES_MELANGE[$2]#*,}
    clic "$1" $((x + 35)) $((y + 48)) 1
}

# Mélange to its win: pairs that follow each other, 22 of them, dealing
# again when none is left. The last one is recorded.
gagner_melange() { # window
    local donnes coups paire
    for donnes in $(seq 15); do
        attendre_immobile "$1"
        for coups in $(seq 22); do
            paire=$(paire_melange "$1")
            [[ $paire == "?" ]] && { echo "   a card of Mélange could not be read" >&2; return 1; }
            [[ -z $paire ]] && break # no move left: deal again
            [[ $coups -eq 22 ]] && enregistrer "$travail/gagne.raw"
            clic_place_melange "$1" "${paire% *}"
            sleep 0.2
            clic_place_melange "$1" "${paire#* }"
            if [[ $coups -eq 22 ]]; then
                fenetre '^Partie terminée$' >/dev/null && return 0
                return 1
            fi
            sleep 0.6
            attendre_immobile "$1"
        done
        xdotool key ctrl+n
        sleep 0.3
    done
    return 1
}

# How long, in tenths of a second, the Blocus des quatorze window takes to
# deal once Ctrl+N is pressed: until its table stands still.
duree_donne() { # window
    local debut
    debut=$(date +%s%N)
    xdotool key ctrl+n
    sleep 1
    attendre_immobile "$1" || return 1
    echo $((($(date +%s%N) - debut) / 100000000))
}

# ---- with a sound server ----
echo "== with a PulseAudio server"
serveur_son_demarrer "$travail" || { echec "a PulseAudio server starts"; bilan; exit; }
lancer || { bilan; exit; }

enregistrer "$travail/donne.raw"
xdotool key Return # Blocus des quatorze deals
jeu=$(fenetre '^Le blocus des quatorze$') || { echec "Enter opens Blocus des quatorze"; bilan; exit; }
verifier "the Blocus des quatorze deal ends" attendre_immobile "$jeu"
ecouter "$travail/donne.raw" >/dev/null
n=$(combien_de_salves "$travail/donne.raw")
verifier "a Blocus des quatorze deal gives 52 deal sounds (heard: $n)" test "$n" -eq 52

enregistrer "$travail/choix.raw"
clic "$jeu" 40 420 1 # the bottom card of the first column
sleep 0.5
ecouter "$travail/choix.raw" >/dev/null
n=$(combien_de_salves "$travail/choix.raw")
verifier "a chosen card gives one selection sound (heard: $n)" test "$n" -eq 1
verifier "the selection sound is heard whole" entieres "$travail/choix.raw" 15
clic "$jeu" 40 420 1 # chosen no more, without a sound
sleep 0.3
verifier "no stream stays open once the sounds have ended" test "$(pactl list short sink-inputs | wc -l)" -eq 0

enregistrer "$travail/casino.raw"
casino=$(choisir "$jeu" 2 '^Casino$') || { echec "Casino opens"; bilan; exit; }
verifier "the Casino deal ends" attendre_immobile "$casino"
ecouter "$travail/casino.raw" >/dev/null
n=$(combien_de_salves "$travail/casino.raw")
verifier "a Casino deal gives 25 deal sounds (heard: $n)" test "$n" -eq 25

# The corners of the grid never touch: refused, with three beeps.
enregistrer "$travail/refus.raw"
clic "$casino" 85 100 1
sleep 0.2
clic "$casino" 405 500 1
sleep 2
ecouter "$travail/refus.raw" >"$travail/refus.txt"
n=$(combien_de_salves "$travail/refus.raw")
verifier "a refused Casino pair gives two selection sounds and three beeps (heard: $n bursts)" test "$n" -eq 5
verifier "each sound of a refused pair is heard whole, the selection sounds before the beeps" \
    awk 'NR > 1 && $1 < fin {exit 1} {fin = $1 + $2} $2 < 15 {exit 1}' "$travail/refus.txt"
[[ $n -ne 5 ]] && montrer "$travail/refus.raw"

melange=$(choisir "$casino" 3 '^Le mélange$') || { echec "Mélange opens"; bilan; exit; }
if gagner_melange "$melange"; then
    sleep 1.5
    ecouter "$travail/gagne.raw" >/dev/null
    verifier "the win sound plays whole after the last pair" awk '$2 >= 1200 {trouve = 1} END {exit !trouve}' \
        "$travail/gagne.raw.salves"
    xdotool key alt+n # no more: the program ends
    for _ in $(seq 50); do kill -0 "$programme" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$programme" 2>/dev/null; then echec "No to the win question ends the program"; else ok "No to the win question ends the program"; fi
else
    echec "Mélange is won"
fi
[[ -n $programme ]] && kill "$programme" 2>/dev/null
wait "$programme" 2>/dev/null
programme=

# ---- the server stops answering, then dies, in the middle of deals ----
echo "== the sound server stalls, then dies"
lancer || { bilan; exit; }
xdotool key Return
jeu=$(fenetre '^Le blocus des quatorze$') || { echec "Enter opens Blocus des quatorze"; bilan; exit; }
attendre_immobile "$jeu"
normale=$(duree_donne "$jeu")
# Stopped a second into a deal: the deal goes on, each sound dropped.
(sleep 1 && kill -STOP "$serveur_son") &
arretee=$(duree_donne "$jeu")
kill -CONT "$serveur_son"
(sleep 1 && kill -KILL "$serveur_son") &
tuee=$(duree_donne "$jeu")
wait "$serveur_son" 2>/dev/null
serveur_son=
echo "   deals of ${normale:-?}, ${arretee:-?} and ${tuee:-?} tenths of a second"
verifier "a deal ends on time with the server stopped" test "${arretee:-99}" -le $((${normale:-0} + 10))
verifier "a deal ends on time with the server killed" test "${tuee:-99}" -le $((${normale:-0} + 10))
# The game goes on: a chosen card still changes the table.
capturer "$jeu" 5 360 71 96 "$travail/carte.png"
clic "$jeu" 40 420 1
verifier "a card is chosen with no server" bientot change "$jeu" 5 360 71 96 "$travail/carte.png"
verifier "the program runs on" kill -0 "$programme"
verifier "nothing is said about the missing server" test "$(grep -c -v XDG_RUNTIME_DIR "$travail/journal")" -eq 0

bilan
