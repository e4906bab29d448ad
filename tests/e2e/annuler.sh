#!/usr/bin/env bash
# Keeping the user's work, driven through X: open a copy whose recorded path
# names the original, add a vertex and save (the copy changes, the original
# does not); add another and close (the question comes; Annuler keeps the
# window, Ne pas enregistrer closes it); reopen the copy and, after each kind
# of change, undo and redo, saving each time: the bytes come back exactly.
# Kruskal n°2 undone gives back the graph before it, byte for byte.
#
#   annuler.sh <quorvalent executable> <quorvalent-cli executable> <output folder>
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
cadre=$(fenetre Quorvalent)
clavier() {  # keys, sent to the frame
    xdotool windowfocus --sync "$cadre" 2>/dev/null || true
    xdotool key "$@"
}
# The closing question bears the frame's own title: a second window of it.
questions() { xdotool search --onlyvisible --name '^Quorvalent$' 2>/dev/null | grep -vx "$cadre" || true; }
question_posee() { [ -n "$(questions)" ]; }
sans_question() { [ -z "$(questions)" ]; }
repondre_question() {  # keys answering the closing question
    attendre "the closing question" question_posee
    local id
    id=$(questions | sed -n 1p)
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    photo "question-$1"
    xdotool key "$2"
    attendre "the closing question to go" sans_question
}

# A little-endian int32, a zero-padded text field, as the ".gff" layout has them.
entier32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
champ() { printf '%s' "$1"; head -c $(($2 - ${#1})) /dev/zero; }
original="$travail/original.gff"
copie="$travail/copie.gff"
{
    printf 'Graph File Format\0'; entier32 2; entier32 1; printf '\1'; champ "$original" 80
    entier32 1; champ A 20; entier32 100; entier32 50; entier32 0
    champ B 20; entier32 200; entier32 80; entier32 7
    entier32 0; champ B 20; entier32 200; entier32 80; entier32 0
} >"$original"
[ "$(stat -c %s "$original")" = 211 ] || echec "the original was not built whole"
cp "$original" "$copie"
cp "$original" "$travail/original-avant.gff"

ouvrir() {
    clavier ctrl+o
    fenetre Ouvrir >/dev/null
    xdotool type --delay 10 "$1"
    xdotool key Return
    fermee Ouvrir
}
# Saves with Ctrl+S and waits for the new file: each save renames a new
# file over the old one, so its inode changes.
inode() { stat -c %i "$copie"; }
change_inode() { [ "$(inode)" != "$1" ]; }
enregistrer() {
    local avant
    avant=$(inode)
    clavier ctrl+s
    attendre "the save of $copie" change_inode "$avant"
    fichier_complet "$copie"
}
entier() { od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }

ouvrir "$copie"
photo 1-copie-ouverte
# Client coordinates of the opened window on the screen, found from where
# the first click lands in the saved file.
cx=90 cy=200
xdotool mousemove $cx $cy click 1
repondre "Entrer le nom du sommet" C
enregistrer
[ "$(stat -c %s "$copie")" = $((211 + 36)) ] || echec "the copy was not saved with C"
cmp -s "$original" "$travail/original-avant.gff" || echec "saving the copy changed the original"
ox=$((cx - $(entier "$copie" 235))) oy=$((cy - $(entier "$copie" 239)))
ecran() { echo $(($1 + ox)) $(($2 + oy)); }
photo 2-copie-enregistree

# A change, then the closing question: Annuler keeps the window, which asks
# again; Ne pas enregistrer closes it and the copy stays as saved.
read -r dx dy < <(ecran 230 110)
xdotool mousemove "$dx" "$dy" click 1
repondre "Entrer le nom du sommet" D
clavier ctrl+f
repondre_question annuler Escape
clavier ctrl+f
repondre_question ne-pas-enregistrer alt+n
[ "$(stat -c %s "$copie")" = $((211 + 36)) ] || echec "closing without saving changed the copy"
photo 3-fermee

# Each change is saved, undone and saved, redone and saved: the undone file
# is the one before the change, the redone one the one after it.
ouvrir "$copie"
cp "$copie" "$travail/avant.gff"
verifier_etape() {  # name
    enregistrer
    cp "$copie" "$travail/apres.gff"
    cmp -s "$travail/apres.gff" "$travail/avant.gff" && echec "$1 changed nothing"
    clavier ctrl+z
    enregistrer
    cmp -s "$copie" "$travail/avant.gff" || echec "Ctrl+Z after $1 did not give the bytes back"
    clavier ctrl+y
    enregistrer
    cmp -s "$copie" "$travail/apres.gff" || echec "Ctrl+Y after $1 did not redo it"
    photo "4-$1"
    cp "$copie" "$travail/avant.gff"
}
read -r ax ay < <(ecran 100 50)
read -r bx by < <(ecran 200 80)
kx=$cx ky=$cy
glisser() {  # x1 y1 x2 y2 weight
    xdotool mousemove "$1" "$2" mousedown 1
    for pas in 1 2 3 4 5; do
        xdotool mousemove $(($1 + ($3 - $1) * pas / 6)) $(($2 + ($4 - $2) * pas / 6))
    done
    xdotool mousemove "$3" "$4" mouseup 1
    repondre "Entrez le poids de l'arc :" "$5"
}
avant_menu=0
menu_sommet() {  # x y, items down
    avant_menu=$(fenetres_visibles)
    xdotool mousemove "$1" "$2" click 3
    attendre "the vertex menu" plus_de_fenetres "$avant_menu"
    for _ in $(seq "$3"); do xdotool key Down; done
    xdotool key Return
}

read -r ex ey < <(ecran 30 120)
xdotool mousemove "$ex" "$ey" click 1
repondre "Entrer le nom du sommet" E
verifier_etape sommet

glisser "$ax" "$ay" "$kx" "$ky" 2
verifier_etape arc
glisser "$kx" "$ky" "$bx" "$by" 3
verifier_etape arc2

menu_sommet "$ex" "$ey" 2
attendre "the vertex menu to close" pas_plus_de_fenetres "$avant_menu"
read -r nx ny < <(ecran 60 140)
xdotool mousemove $((nx - 20)) $((ny - 10))
xdotool mousemove "$nx" "$ny" click 1
verifier_etape deplacement

menu_sommet "$nx" "$ny" 1
fenetre "Suppression de sommet" >/dev/null
xdotool key Return
fermee "Suppression de sommet"
verifier_etape suppression

# "Manipulation" is the third title from the left, after "Édition".
avant=$(fenetres_visibles)
xdotool windowfocus --sync "$cadre" 2>/dev/null || true
xdotool mousemove 20 8 click 1
attendre "the menu" plus_de_fenetres "$avant"
xdotool key Right Right Return
verifier_etape numerotation

# Kruskal n°2 (min) takes the arc A -> B (7) away; Ctrl+Z gives it back.
avant=$(fenetres_visibles)
xdotool windowfocus --sync "$cadre" 2>/dev/null || true
xdotool mousemove 20 8 click 1
attendre "the menu" plus_de_fenetres "$avant"
xdotool key Right Right Right Down Down Down Down Right Return
verifier_etape kruskal2
[ "$(entier "$copie" 22)" = 2 ] || echec "Kruskal n°2 left $(entier "$copie" 22) arcs, expected 2"
cmp -s "$original" "$travail/original-avant.gff" || echec "the original changed during the session"
echo "save target, closing question, undo and redo checked; screenshots in $sortie"
