#!/usr/bin/env bash
# A user's first session, driven through X: start Quorvalent, Ctrl+N and
# Yes, click twice to create A and B, drag from A to B and give a weight,
# Ctrl+S into a file, close the window, reopen the file. A screenshot of each
# stage lands in the output folder; the saved bytes are checked at the end.
#
#   souris.sh <quorvalent executable> <quorvalent-cli executable> <output folder>
#
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick's import is missing.
set -euo pipefail

source "$(dirname "$0")/demarrage.sh"

repondre() {  # title, text to type (may be empty)
    fenetre "$1" >/dev/null
    [ -z "$2" ] || xdotool type --delay 30 "$2"
    xdotool key Return
    fermee "$1"
}

cadre=$(fenetre Quorvalent)
photo 1-demarrage

xdotool key ctrl+n
fenetre Question >/dev/null
photo 2-question
xdotool key Return
fermee Question

# Two vertices inside the new graph window, below the menu and toolbar.
ax=90 ay=160 bx=250 by=220
xdotool mousemove $ax $ay click 1
repondre "Entrer le nom du sommet" A
xdotool mousemove $bx $by click 1
fenetre "Entrer le nom du sommet" >/dev/null
xdotool type B
photo 3-saisie-B
xdotool key Return
fermee "Entrer le nom du sommet"
photo 4-sommets

# Dragged a few pixels off the centres, within the tolerances.
xdotool mousemove $((ax + 3)) $((ay - 2)) mousedown 1
for pas in 1 2 3 4 5; do
    xdotool mousemove $((ax + (bx - ax) * pas / 6)) $((ay + (by - ay) * pas / 6))
done
photo 5-elastique
xdotool mousemove $((bx + 5)) $((by + 5)) mouseup 1
repondre "Entrez le poids de l'arc :" 42
photo 6-arc

fichier="$travail/graphe"
xdotool windowfocus --sync "$cadre" 2>/dev/null || true
xdotool key ctrl+s
fenetre "Enregistrer sous" >/dev/null
xdotool type --delay 10 "$fichier"
photo 7-enregistrer
xdotool key Return
fermee "Enregistrer sous"
fichier_complet "$fichier.gff"
photo 8-enregistre

xdotool windowfocus --sync "$cadre" 2>/dev/null || true
xdotool key ctrl+f
photo 9-ferme

xdotool key ctrl+o
fenetre Ouvrir >/dev/null
xdotool type --delay 10 "$fichier.gff"
photo 10-ouvrir
xdotool key Return
fermee Ouvrir
photo 11-rouvert

# The vertex menu of B, then the graph menu, each dismissed.
avant=$(fenetres_visibles)
xdotool mousemove $bx $by click 3
attendre "the vertex menu" plus_de_fenetres "$avant"
photo 12-menu-sommet
xdotool key Escape
attendre "the vertex menu to close" pas_plus_de_fenetres "$avant"
xdotool mousemove $((bx - 100)) $((by + 30)) click 3
attendre "the graph menu" plus_de_fenetres "$avant"
photo 13-menu-graphe
xdotool key Escape

# The bytes: header, A's block with its arc to B, B's block.
entier() { od -An -t d4 -j "$1" -N 4 "$fichier.gff" | tr -d ' '; }
octet() { od -An -t u1 -j "$1" -N 1 "$fichier.gff" | tr -d ' '; }
texte() { dd if="$fichier.gff" bs=1 skip="$1" count="$2" 2>/dev/null | tr -d '\0'; }

[ "$(stat -c %s "$fichier.gff")" = 211 ] || echec "size $(stat -c %s "$fichier.gff"), expected 211"
[ "$(texte 0 18)" = "Graph File Format" ] || echec "signature"
[ "$(octet 17)" = 0 ] || echec "signature terminator"
[ "$(entier 18)" = 2 ] || echec "vertex count"
[ "$(entier 22)" = 1 ] || echec "arc count"
[ "$(octet 26)" = 1 ] || echec "not oriented"
[ "$(texte 27 80)" = "$fichier.gff" ] || echec "stored path '$(texte 27 80)'"
[ "$(entier 107)" = 1 ] || echec "out-degree of A"
[ "$(texte 111 20)" = A ] || echec "first vertex"
[ "$(texte 143 20)" = B ] || echec "arc target"
[ "$(entier 171)" = 42 ] || echec "weight"
[ "$(entier 175)" = 0 ] || echec "out-degree of B"
[ "$(texte 179 20)" = B ] || echec "second vertex"
# The clicks were 160 and 60 pixels apart; the arc copies B's position.
[ $(($(entier 199) - $(entier 131))) = $((bx - ax)) ] || echec "horizontal spacing"
[ $(($(entier 203) - $(entier 135))) = $((by - ay)) ] || echec "vertical spacing"
[ "$(entier 163)" = "$(entier 199)" ] && [ "$(entier 167)" = "$(entier 203)" ] || echec "arc position"
echo "saved file checked; screenshots in $sortie"
