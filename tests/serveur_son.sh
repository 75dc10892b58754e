# A PulseAudio server of the test's own, sourced by the sound end-to-end
# test and the sound benchmark: one null sink, in a private runtime folder,
# whose monitor records what the program plays.
#   serveur_son_demarrer DIR   starts it; PULSE_SERVER then names it
#   serveur_son_arreter        stops it
#   enregistrer FILE           records the sink (raw s16le mono 22050 Hz) in
#                              the background; its process is $enregistrement
serveur_son=
enregistrement=

serveur_son_demarrer() { # folder
    mkdir -p -m 0700 "$1/pulse"
    cat >"$1/pulse/serveur.pa" <<FIN
load-module module-native-protocol-unix socket=$1/pulse/native auth-anonymous=1
load-module module-null-sink sink_name=ludoval sink_properties=device.description=Ludoval
set-default-sink ludoval
FIN
    export XDG_RUNTIME_DIR=$1/pulse PULSE_SERVER=unix:$1/pulse/native PULSE_RUNTIME_PATH=$1/pulse \
        PULSE_STATE_PATH=$1/pulse
    # Nothing of the user's own: no cookie, no client configuration.
    export PULSE_COOKIE=$1/pulse/cookie PULSE_CLIENTCONFIG=/dev/null
    pulseaudio -n -F "$1/pulse/serveur.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --log-target=file:"$1/pulse/journal" >/dev/null 2>&1 &
    serveur_son=$!
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "no sound server: $(tail -3 "$1/pulse/journal" 2>/dev/null)" >&2
    return 1
}

serveur_son_arreter() {
    [[ -n $enregistrement ]] && kill "$enregistrement" 2>/dev/null && wait "$enregistrement" 2>/dev/null
    [[ -n $serveur_son ]] && kill "$serveur_son" 2>/dev/null && wait "$serveur_son" 2>/dev/null
    enregistrement= serveur_son=
}

# Small fragments: the null sink renders in blocks as long as its client's,
# and with parecord's default of two seconds it drops sounds that a real
# device plays.
# The monitor's first samples come some time after the recording starts:
# it is on once they have.
enregistrer() { # file
    parecord --latency-msec=5 -d ludoval.monitor --raw --format=s16le --rate=22050 --channels=1 "$1" &
    enregistrement=$!
    for _ in $(seq 100); do
        [[ -s $1 ]] && break
        sleep 0.05
    done
}
fin_enregistrement() {
    sleep 0.3
    kill "$enregistrement" 2>/dev/null && wait "$enregistrement" 2>/dev/null
    enregistrement=
}
