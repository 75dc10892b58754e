#!/usr/bin/env bash
# Runs a command on an X server of its own, then stops the server. Xvfb picks
# a free display itself (-displayfd) and says which once it accepts clients,
# so tests started together never pick the same one or look for a server not
# yet there. It never resets: a server resets each time its last client
# leaves, and a client that comes during the reset, as a program started
# just after an xdotool call may, finds no server. The command's exit
# status is this script's.
#   tests/sous_xvfb.sh COMMAND ARGS...
set -uo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND ARGS..." >&2; exit 2; }

dossier=$(mktemp -d)
serveur=
fin() {
    if [[ -n $serveur ]]; then
        kill "$serveur" 2>/dev/null
        wait "$serveur" 2>/dev/null
    fi
    rm -rf "$dossier"
}
trap fin EXIT
trap 'exit 130' INT TERM

mkfifo "$dossier/ecran"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$dossier/ecran" 2>"$dossier/journal" &
serveur=$!
numero=
read -r -t 30 numero <"$dossier/ecran"
if [[ ! $numero =~ ^[0-9]+$ ]]; then
    echo "$0: Xvfb gave no display" >&2
    cat "$dossier/journal" >&2
    exit 1
fi

export DISPLAY=:$numero
"$@"
