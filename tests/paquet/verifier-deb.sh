#!/usr/bin/env bash
# Builds the Debian package (`make deb`), installs it with dpkg, checks what it
# put on the machine, then purges it: the machine is left as it was found, even
# when a check fails. Needs root (or sudo) and no display. The tools come with
# `make test`.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${BUILD:-build}
TYPE_GRAPHE=application/x-quorvalent-graphe

if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
for outil in dpkg xdg-mime mimetype update-mime-database desktop-file-validate appstreamcli man; do
    command -v "$outil" >/dev/null || { echo "verifier-deb: $outil manque (make test l'installe)"; exit 1; }
done
if dpkg-query -W -f='${Status}' quorvalent 2>/dev/null | grep -q 'ok installed'; then
    echo "verifier-deb: quorvalent est déjà installé ; retirez-le d'abord (dpkg -r quorvalent)"
    exit 1
fi

rm -f "$BUILD"/quorvalent_*.deb
make deb BUILD="$BUILD"
paquets=("$BUILD"/quorvalent_*.deb)
paquet=${paquets[0]}
echo "== $paquet"
dpkg-deb --field "$paquet" Package Version Section Maintainer Depends Recommends

travail=$(mktemp -d)
retirer() {
    $sudo dpkg --purge quorvalent >/dev/null 2>&1 || true
    rm -rf "$travail"
}
trap retirer EXIT

$sudo dpkg -i "$paquet"
# The package's triggers update the MIME database; doing it here as well
# keeps the check independent of when dpkg runs them.
$sudo update-mime-database /usr/share/mime

echo "== fichiers installés"
dpkg -L quorvalent | sort | while read -r fichier; do
    [ -d "$fichier" ] || stat -c '%A %8s %n' "$fichier"
done

echo "== les programmes"
# Neither needs a display for its version, as root on a server for instance.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM quorvalent --version
quorvalent-cli --aide | sed -n 1p
quorvalent-cli afficher exemples/reseau.gff | sed -n 1,3p
# The text commands load no Qt; the pictures come from the drawing half
# under /usr/libexec.
if ldd /usr/bin/quorvalent-cli | grep libQt6; then exit 1; fi
quorvalent-cli exporter exemples/reseau.gff "$travail/reseau.png"
file "$travail/reseau.png"
# bash-completion loads the completion by the command's name.
bash -c 'source /usr/share/bash-completion/completions/quorvalent-cli && complete -p quorvalent-cli'
[ -f /usr/share/zsh/vendor-completions/_quorvalent-cli ]
# The window itself must find every library and stay up on the offscreen
# platform until stopped.
if ldd /usr/bin/quorvalent | grep 'not found'; then exit 1; fi
statut=0
QT_QPA_PLATFORM=offscreen timeout 3 quorvalent || statut=$?
[ "$statut" = 124 ] || { echo "quorvalent s'est arrêté seul (statut $statut)"; exit 1; }
echo "quorvalent tourne sur la plateforme offscreen"

echo "== validateurs"
desktop-file-validate /usr/share/applications/org.quorvalent.Quorvalent.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.quorvalent.Quorvalent.metainfo.xml
# By their path: `man quorvalent` finds them only under a French locale.
for page in /usr/share/man/fr/man1/quorvalent.1 /usr/share/man/fr/man1/quorvalent-cli.1; do
    avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || { echo "$avertissements"; exit 1; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" | sed -n 1,4p
done

echo "== type de fichier"
cp exemples/reseau.gff "$travail/reseau.gff"
printf '##gff-version 3\nctg123\t.\tgene\t1000\t9000\t.\t+\t.\tID=gene00001;Name=EDEN\n' \
    > "$travail/annotations.gff"
graphe=$(xdg-mime query filetype "$travail/reseau.gff")
annotations=$(xdg-mime query filetype "$travail/annotations.gff")
echo "reseau.gff : $graphe"
echo "annotations.gff : $annotations"
[ "$graphe" = "$TYPE_GRAPHE" ]
[ "$annotations" != "$TYPE_GRAPHE" ]

echo "== retrait"
$sudo dpkg -r quorvalent
# Purging only matters once the package has configuration files.
if dpkg-query -W -f='${Status}' quorvalent 2>/dev/null | grep -q 'config-files'; then
    $sudo dpkg --purge quorvalent
fi
if dpkg-query -W -f='${Status}' quorvalent 2>/dev/null | grep -q 'installed'; then exit 1; fi
[ ! -e /usr/bin/quorvalent ] && [ ! -e /usr/share/mime/packages/quorvalent-graphe.xml ]
$sudo update-mime-database /usr/share/mime
apres=$(xdg-mime query filetype "$travail/reseau.gff")
echo "reseau.gff après retrait : $apres"
[ "$apres" != "$TYPE_GRAPHE" ]
echo "verifier-deb: paquet installé, vérifié et retiré"
