#!/usr/bin/env bash
# The algorithm menus as a user meets them, driven through X: draw a small
# weighted oriented graph, number it, run the "Détection" tests, the three
# path algorithms, the graph report and both Kruskal variants. Every message
# box is recognised by its title; every result window is saved with Ctrl+S
# and its file checked. A screenshot of each stage lands in the output folder.
#
#   algorithmes.sh <quorvalent executable> <quorvalent-cli executable> <output folder>
#
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick's import is missing.
set -euo pipefail

source "$(dirname "$0")/demarrage.sh"

repondre() {  # title, text to type
    fenetre "$1" >/dev/null
    xdotool type --delay 30 -- "$2"
    xdotool key Return
    fermee "$1"
}
# A message box: its title proves which answer came; OK closes it.
message() {  # title, screenshot name
    fenetre "$1" >/dev/null
    photo "$2"
    xdotool key Return
    fermee "$1"
}
# Menus by keyboard from "Fichier": titles to the right, then items down
# (the first item of a title reached this way is already highlighted).
cadre=$(fenetre Quorvalent)
menu() {  # titles right of "Fichier", item position from 0, [submenu item from 0]
    xdotool windowfocus --sync "$cadre" 2>/dev/null || true
    local avant
    avant=$(fenetres_visibles)
    xdotool mousemove 20 8 click 1
    attendre "the menu" plus_de_fenetres "$avant"
    for _ in $(seq "$1"); do xdotool key Right; done
    for _ in $(seq "$2"); do xdotool key Down; done
    if [ $# -gt 2 ]; then
        xdotool key Right
        for _ in $(seq "$3"); do xdotool key Down; done
    fi
    xdotool key Return
}
MANIPULATION=2 TRAITEMENT=3 DETECTION=4
sommet() {  # x, y, name
    xdotool mousemove "$1" "$2" click 1
    repondre "Entrer le nom du sommet" "$3"
}
arc() {  # x1, y1, x2, y2, weight
    xdotool mousemove "$1" "$2" mousedown 1
    for pas in 1 2 3 4 5; do
        xdotool mousemove $(($1 + ($3 - $1) * pas / 6)) $(($2 + ($4 - $2) * pas / 6))
    done
    xdotool mousemove "$3" "$4" mouseup 1
    repondre "Entrez le poids de l'arc :" "$5"
}
chemin() {  # dialog title, departure, arrival
    local id essai
    id=$(fenetre "$1")
    # Keys typed while a loaded machine hands the dialog the keyboard can be
    # lost all together: the dialog still open, they are typed again.
    for essai in 1 2 3; do
        xdotool type "$2"
        xdotool key Tab
        xdotool type "$3"
        xdotool key Return
        tenter 20 cachee "$1" && return
        xdotool windowfocus --sync "$id" 2>/dev/null || true
    done
    fermee "$1"
}
# Saves the active graph window under a new name ("Enregistrer sous").
enregistrer() {  # file without extension
    xdotool windowfocus --sync "$cadre" 2>/dev/null || true
    xdotool key ctrl+s
    fenetre "Enregistrer sous" >/dev/null
    xdotool type --delay 10 "$1"
    xdotool key Return
    fermee "Enregistrer sous"
    fichier_complet "$1.gff"
}
fermer() {
    xdotool windowfocus --sync "$cadre" 2>/dev/null || true
    xdotool key ctrl+f
}
entier() { od -An -t d4 -j "$2" -N 4 "$1.gff" | tr -d ' '; }
texte() { dd if="$1.gff" bs=1 skip="$2" count="$3" 2>/dev/null | tr -d '\0'; }
verifier() {  # file, vertices, arcs, first vertex
    [ "$(entier "$1" 18)" = "$2" ] || echec "$1: $(entier "$1" 18) vertices, expected $2"
    [ "$(entier "$1" 22)" = "$3" ] || echec "$1: $(entier "$1" 22) arcs, expected $3"
    [ "$(texte "$1" 111 20)" = "$4" ] || echec "$1: first vertex '$(texte "$1" 111 20)', expected $4"
}

# An oriented graph without circuit, inside the new window's client area:
# A->B 4, A->C 1, C->B 2, B->D 3, C->D 7.
xdotool key ctrl+n
fenetre Question >/dev/null
xdotool key Return
fermee Question
ax=40 ay=110 bx=200 by=100 cx=110 cy=260 dx=300 dy=240
sommet $ax $ay A
sommet $bx $by B
sommet $cx $cy C
sommet $dx $dy D
arc $ax $ay $bx $by 4
arc $ax $ay $cx $cy 1
arc $cx $cy $bx $by 2
arc $bx $by $dx $dy 3
arc $cx $cy $dx $dy 7
photo 01-graphe

menu $MANIPULATION 0
photo 02-numerotation
menu $DETECTION 4
message "Détection de circuit" 03-circuit
photo 04-noms-sans-numeros

menu $DETECTION 0
message "Détermination de la connexité" 05-connexite
menu $DETECTION 1
message "Détermination de la forte connexité" 06-forte-connexite
menu $DETECTION 2
message "Reconnaissance d'arbre" 07-arbre
menu $DETECTION 3
message "Reconnaissance d'arborescence" 08-arborescence
menu $DETECTION 5
message "Détermination de la contenance d'un cycle eulérien" 09-eulerien

# Each path window is saved, checked, then closed, which gives the source
# window back the focus. Its vertex list runs from the arrival backwards.
menu $TRAITEMENT 0
chemin "Algorithme de Dijkstra" A D
photo 10-dijkstra
enregistrer "$travail/dijkstra"
verifier "$travail/dijkstra" 4 3 D
fermer

menu $TRAITEMENT 1 1
chemin "Algorithme de Bellman" A D
photo 11-bellman-max
enregistrer "$travail/bellman"
verifier "$travail/bellman" 3 2 D
[ "$(texte "$travail/bellman" 147 20)" = C ] || echec "Bellman max did not take the heaviest path"
fermer

menu $TRAITEMENT 2 0
chemin "Algorithme de Ford" A C
photo 12-ford-min
enregistrer "$travail/ford"
verifier "$travail/ford" 2 1 C
fermer

# The graph menu on empty space; "Information" is its first item.
avant=$(fenetres_visibles)
xdotool mousemove 330 120 click 3
attendre "the graph menu" plus_de_fenetres "$avant"
xdotool key Down Return
message Information 13-information

menu $TRAITEMENT 3 0
photo 14-kruskal1-min
enregistrer "$travail/kruskal1"
verifier "$travail/kruskal1" 4 3 A
fermer

# Kruskal n°2 changes the drawn graph itself.
menu $TRAITEMENT 4 1
photo 15-kruskal2-max
enregistrer "$travail/kruskal2"
verifier "$travail/kruskal2" 4 3 A
echo "algorithm menus checked; screenshots in $sortie"
