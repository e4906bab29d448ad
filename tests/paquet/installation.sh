#!/usr/bin/env bash
# `cmake --install` under a DESTDIR, then the installed batch tool run from
# there: a text command, and a picture drawn by its drawing half found under
# libexec from the tool's own folder, as the Debian package lays them out.
# Usage: installation.sh DOSSIER-DE-CONSTRUCTION DOSSIER-SOURCE
set -euo pipefail
construction=$1
source=$2
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT

DESTDIR=$racine cmake --install "$construction" --prefix /usr >/dev/null
outil=$racine/usr/bin/quorvalent-cli
for fichier in usr/libexec/quorvalent/quorvalent-cli-dessin \
    usr/share/bash-completion/completions/quorvalent-cli \
    usr/share/zsh/vendor-completions/_quorvalent-cli \
    usr/share/man/fr/man1/quorvalent-cli.1; do
    [ -f "$racine/$fichier" ] || { echo "installation: $fichier manque"; exit 1; }
done
[ ! -e "$racine/usr/bin/quorvalent-cli-dessin" ] || { echo "installation: le programme de dessin est dans bin"; exit 1; }

"$outil" rapport "$source/exemples/reseau.gff" | grep "possède 5 sommets" >/dev/null
"$outil" exporter "$source/exemples/reseau.gff" "$racine/reseau.png"
"$outil" imprimer --format pdf "$source/exemples/reseau.gff" - >"$racine/reseau.pdf"
file -b "$racine/reseau.png" | grep -q "^PNG image data"
file -b "$racine/reseau.pdf" | grep -q "^PDF document"
echo "installation: l'outil installé lit, dessine et imprime"
