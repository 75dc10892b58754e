#!/usr/bin/env bash
# The Debian package: built by cpack from a build folder, its contents listed
# and checked path by path, its control fields, its AppStream description and
# desktop entry validated, lintian's errors and warnings none, and the program
# inside it able to find its libraries and to start.
#   tests/paquet_deb.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
construction=$(realpath "$1")
sources=$(realpath "$2")
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echecs=0
echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }

(cd "$construction" && cpack -G DEB -B "$travail" >"$travail/cpack.log" 2>&1) ||
    { cat "$travail/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
paquets=("$travail"/ludoval_*.deb)
[ ${#paquets[@]} -eq 1 ] && [ -f "${paquets[0]}" ] || { echo "FAIL: no single ludoval_*.deb" >&2; exit 1; }
paquet=${paquets[0]}
echo "built $(basename "$paquet")"

# What it installs, path by path.
dpkg-deb -c "$paquet" | awk '{print $NF}' | sed 's|^\./|/|' >"$travail/contenu"
cat "$travail/contenu"
id=$(sed -n 's/^LUDOVAL_ID:STRING=//p' "$construction/CMakeCache.txt")
module=/usr/$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$construction/CMakeCache.txt")/ludoval/lecteur-sons.so
attendus=(
    /usr/games/ludoval
    /usr/libexec/ludoval/ludoval-aide
    "$module"
    /usr/share/ludoval/CarteDistrib.wav
    /usr/share/ludoval/CarteSelectionnee.wav
    /usr/share/ludoval/Gagne.wav
    /usr/share/ludoval/ludoval.html
    /usr/share/applications/ludoval.desktop
    /usr/share/metainfo/"$id".metainfo.xml
    /usr/share/man/man6/ludoval.6.gz
    /usr/share/doc/ludoval/copyright
    /usr/share/doc/ludoval/changelog.gz
    /usr/share/lintian/overrides/ludoval
    /usr/share/icons/hicolor/scalable/apps/ludoval.svg
)
for taille in 16 22 24 32 48 64 128 256; do
    attendus+=(/usr/share/icons/hicolor/${taille}x${taille}/apps/ludoval.png)
done
for chemin in "${attendus[@]}"; do
    grep -qxF "$chemin" "$travail/contenu" || echec "missing $chemin"
done
# Nothing outside /usr, nothing of the build's own (tests, tools, benchmarks).
grep -v '^/usr/' "$travail/contenu" | grep -v '^/$' && echec "files outside /usr"
grep -E '^/usr/local/|/test_|ludoval-(cardart|icones|sons|apercus)|bench_' "$travail/contenu" &&
    echec "files that do not belong to the program"

# Control fields: the libraries found by dpkg-shlibdeps, and the fonts.
champs=$(dpkg-deb -f "$paquet" Package Version Section Depends)
echo "$champs"
grep -q '^Package: ludoval$' <<<"$champs" || echec "package name"
grep -q '^Section: games$' <<<"$champs" || echec "section"
for dependance in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo libc6 fonts-liberation; do
    grep -q "[ ,]$dependance\b" <<<"$champs" || echec "no dependency on $dependance"
done

# The files themselves.
racine="$travail/racine"
dpkg-deb -x "$paquet" "$racine"
file -b "$racine/usr/games/ludoval" | grep -q 'ELF.*executable.*stripped' || echec "the program is no stripped executable"
# The changelog's latest entry is this version's.
version=$(sed -n 's/^Version: //p' <<<"$champs")
zcat "$racine/usr/share/doc/ludoval/changelog.gz" | head -1 | grep -qF "ludoval ($version)" ||
    echec "the changelog has no entry for $version"
file -b "$racine/usr/share/man/man6/ludoval.6.gz" | grep -q 'gzip compressed' || echec "manual page not gzipped"
avertissements=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$racine/usr/share/man/man6/ludoval.6.gz" 2>&1 >/dev/null)
[ -z "$avertissements" ] || echec "manual page: $avertissements"
zcat "$racine/usr/share/man/man6/ludoval.6.gz" | grep -q '^\.TH LUDOVAL 6' || echec "manual page section"
file -b "$racine$module" | grep -q 'ELF.*shared object.*stripped' || echec "the sound module is no stripped library"
if ldd "$racine/usr/games/ludoval" "$racine$module" | grep -q 'not found'; then echec "libraries not found"; fi
desktop-file-validate "$racine/usr/share/applications/ludoval.desktop" || echec "desktop entry"
grep -qx 'StartupNotify=true' "$racine/usr/share/applications/ludoval.desktop" || echec "no startup notification"
appstreamcli validate --no-net --pedantic "$racine/usr/share/metainfo/$id.metainfo.xml" || echec "metainfo"
# The metainfo names the desktop entry and the program, and every screenshot
# it shows is one of docs/.
metainfo="$racine/usr/share/metainfo/$id.metainfo.xml"
grep -q '<launchable type="desktop-id">ludoval.desktop</launchable>' "$metainfo" || echec "launchable"
grep -q '<summary xml:lang="fr">' "$metainfo" || echec "no French summary"
captures=$(sed -n 's|.*<image>.*/docs/\([^<]*\)</image>.*|\1|p' "$metainfo")
[ -n "$captures" ] || echec "no screenshot"
for capture in $captures; do
    [ -f "$sources/docs/$capture" ] || echec "screenshot $capture is not in docs/"
done

# Lintian, pedantic: errors and warnings fail, the rest is shown; the help
# file's override is the package's own and is used.
lintian --pedantic --display-info --show-overrides "$paquet" >"$travail/lintian" 2>&1 || true
cat "$travail/lintian"
grep -E '^[EW]: ' "$travail/lintian" && echec "lintian"
grep -q '^O: ludoval: package-contains-documentation-outside-usr-share-doc' "$travail/lintian" ||
    echec "lintian did not run, or did not use the package's override"

# The program from the package, away from any build folder, starts and runs
# until it is stopped.
(cd "$travail" && QT_QPA_PLATFORM=offscreen timeout 3 "$racine/usr/games/ludoval" >"$travail/sortie" 2>&1) ||
    [ $? -eq 124 ] || { cat "$travail/sortie" >&2; echec "the packaged program does not start"; }
# Once its chooser is painted it loads its sound module, from the package.
if grep -q 'no sound module' "$travail/sortie"; then cat "$travail/sortie" >&2; echec "no sound module found"; fi

if [ $echecs -gt 0 ]; then
    echo "$echecs failed" >&2
    exit 1
fi
echo "package checks passed"
