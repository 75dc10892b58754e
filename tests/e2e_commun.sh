# What the end-to-end tests share: their tally, and looking at and clicking
# on the windows of a real X server. Sourced; `travail` names a scratch folder.
reussis=0
echecs=0
ok() { echo "ok: $*"; reussis=$((reussis + 1)); }
echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }
verifier() { # message, command...: ok or FAIL
    local message=$1
    shift
    if "$@"; then ok "$message"; else echec "$message"; fi
}
bilan() { # the closing line, and the status
    echo "$reussis passed, $echecs failed"
    [[ $echecs -eq 0 ]]
}

# On a loaded machine the program may answer late: a check on what the
# screen shows waits for it, for up to ten seconds, and says why it failed
# only at its last try.
bientot() { # command...
    for _ in $(seq 50); do
        "$@" 2>/dev/null && return 0
        sleep 0.2
    done
    "$@"
}
fenetre() { # title regex: the id of the window so named once it is on screen
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
        sleep 0.05
    done
    return 1
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
absente() { ! visible "$1"; }
position() { # id: the client area's top-left corner on the screen
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}
# A region of the screen, client coordinates of window `id`, into file `f`.
capturer() { # id x y w h f
    local X Y
    read -r X Y <<<"$(position "$1")"
    import -window root -crop "$4x$5+$((X + $2))+$((Y + $3))" +repage "$6" 2>/dev/null
}
pareilles() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
montre() { # id x y w h image: the region shows the image
    capturer "$1" "$2" "$3" "$4" "$5" "$travail/montre.png"
    pareilles "$6" "$travail/montre.png"
}
change() { ! montre "$@"; } # id x y w h image: the region no longer shows the image
attendre_immobile() { # id: until the table no longer moves (a deal has ended)
    capturer "$1" 0 50 792 480 "$travail/avant.png"
    for _ in $(seq 60); do
        sleep 0.4
        capturer "$1" 0 50 792 480 "$travail/apres.png"
        pareilles "$travail/avant.png" "$travail/apres.png" && return 0
        mv "$travail/apres.png" "$travail/avant.png"
    done
    return 1
}
# The client point of game n's name in the chooser's list.
label() { echo $((8 + 15 + 40)) $((48 + 32 + 40 * ($1 - 1) + 15)); }
clic() { # id x y button: at a client point
    local X Y
    read -r X Y <<<"$(position "$1")"
    # shellcheck disable=SC2086 # the button may come with options
    xdotool mousemove $((X + $2)) $((Y + $3)) click $4
}
