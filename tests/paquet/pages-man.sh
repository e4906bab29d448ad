#!/usr/bin/env bash
# The French manual pages render without a warning, and the batch tool's
# page documents every command its help lists.
# Usage: pages-man.sh QUORVALENT-CLI DOSSIER-DES-PAGES
set -euo pipefail
outil=$1
pages=$2
for page in "$pages"/*.[1-8]; do
    avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || { echo "$page : $avertissements"; exit 1; }
done
manquantes=$("$outil" --aide | sed -n 's/^  \([a-z][a-z0-9-]*\) .*/\1/p' | while read -r commande; do
    grep -q "^\.BI \"${commande//-/\\\\-} " "$pages/quorvalent-cli.1" || printf '%s ' "$commande"
done)
[ -z "$manquantes" ] || { echo "quorvalent-cli.1 ne décrit pas : $manquantes"; exit 1; }
echo "pages-man: pages sans avertissement, chaque commande décrite"
