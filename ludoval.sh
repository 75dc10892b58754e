#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Ludoval, then runs it or its tests.
#   ./ludoval.sh run    build and start the program
#   ./ludoval.sh test   build, then pass the tests (also under ASan + UBSan)
set -euo pipefail
cd "$(dirname "$0")"

paquets=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev libcanberra-dev libcanberra-pulse sound-theme-freedesktop libjpeg-dev libfontconfig-dev
         qt6-translations-l10n fonts-liberation xvfb xauth xdotool x11-utils imagemagick openbox
         python3 python3-xlib dpkg-dev file appstream desktop-file-utils man-db lintian qt6-svg-dev
         weston xwayland qt6-wayland pulseaudio pulseaudio-utils libpulse-dev)

installer_paquets() {
    local manquants=()
    for p in "${paquets[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${manquants[@]}"
}

construire() { # dossier, options de cmake…
    local dossier=$1
    shift
    cmake -S . -B "$dossier" "$@"
    cmake --build "$dossier" -j2
}

case "${1:-}" in
run)
    installer_paquets
    construire build
    exec ./build/shell/ludoval
    ;;
test)
    installer_paquets
    construire build
    construire build-asan -DLUDOVAL_SANITIZE=ON
    # The two builds are tested at once, several tests at a time (see
    # tests/CMakeLists.txt), one more under the sanitizers, whose tests are
    # the longer; the report of that build follows the normal build's.
    (cd build-asan && exec ctest --output-on-failure -j4 >ctest.log 2>&1) &
    asan=$!
    trap 'kill $asan 2>/dev/null' EXIT
    normal=0
    (cd build && ctest --output-on-failure -j3) || normal=$?
    sanitise=0
    wait $asan || sanitise=$?
    trap - EXIT
    cat build-asan/ctest.log
    [ $normal -eq 0 ] && [ $sanitise -eq 0 ]
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
