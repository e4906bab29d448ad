#!/usr/bin/env bash
# The bash and zsh completions of quorvalent-cli, driven as each shell drives
# them (bash: COMP_WORDS and COMP_CWORD; zsh: words and CURRENT, with the
# completion builtins replaced by functions that print what they receive),
# against the built program's help, in a folder of sample files.
# Usage: completion.sh QUORVALENT-CLI DOSSIER-DES-SCRIPTS
set -uo pipefail
programme=$(realpath "$1") && scripts=$(realpath "$2") || exit 1
echecs=0

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier" && mkdir sous && touch a.gff B.GFF c.graphml d.dot e.gv f.csv g.json "h i.gff" notes.txt image.png page.pdf

verifier() {  # NOM OBTENU ATTENDU
    if [ "$2" != "$3" ]; then
        printf '%s\n  obtenu  : %s\n  attendu : %s\n' "$1" "$2" "$3"
        echecs=$((echecs + 1))
    fi
}

# bash: the sorted offers for a line whose last word is being completed.
source "$scripts/quorvalent-cli.bash"
verifier "bash : complete -p" "$(complete -p quorvalent-cli)" "complete -o filenames -F _quorvalent_cli quorvalent-cli"
offres_bash() {
    COMP_WORDS=("$programme" "$@")
    COMP_CWORD=$#
    _quorvalent_cli "$programme" "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
}
graphes="B.GFF a.gff c.graphml d.dot e.gv f.csv g.json h i.gff sous"
verifier "bash : commandes" "$(offres_bash k)" "kruskal1 kruskal2"
verifier "bash : commandes toutes" "$(offres_bash '' | wc -w)" "$("$programme" --aide | grep -c '^  [a-z]')"
verifier "bash : options de bellman" "$(offres_bash bellman --m)" "--max"
verifier "bash : options globales" "$(offres_bash -q rapport -)" "-- --aide --help --json --silencieux --version -V -h -q"
verifier "bash : graphes à lire" "$(offres_bash rapport a.gff '')" "$graphes"
verifier "bash : sommets" "$(offres_bash dijkstra a.gff '')" ""
verifier "bash : sortie -o" "$(offres_bash dijkstra a.gff X Y -o '')" "B.GFF a.gff h i.gff sous"
verifier "bash : formats" "$(offres_bash exporter --format '')" "bmp png svg"
verifier "bash : image" "$(offres_bash exporter --format png a.gff '')" "image.png sous"
verifier "bash : page" "$(offres_bash imprimer a.gff p)" "page.pdf"
verifier "bash : après --" "$(offres_bash afficher -- -)" ""

# zsh: what each line hands to compadd, _files and _describe.
if ! command -v zsh >/dev/null; then
    echo "completion: zsh manque (make test l'installe)"
    exit 1
fi
offres_zsh() {
    zsh -f -c '
        compadd() { [[ $1 == -a ]] && shift && for n; do print -r -- ${(P)n}; done }
        _files() { print -r -- "_files $*" }
        _describe() { print -r -- ${#${(P)4}} ${${(P)4}[1]%%,*} }
        words=("$@"); CURRENT=$#
        source "$0"' "$scripts/_quorvalent-cli" "$programme" "$@" | paste -sd ' '
}
verifier "zsh : commandes décrites" "$(offres_zsh '')" \
    "$("$programme" --aide | grep -c '^  [a-z]') afficher:affiche chaque graphe : orientation"
verifier "zsh : options de ford" "$(offres_zsh ford -)" "-h --aide --help -V --version -q --silencieux --json -- --max --etapes -o"
verifier "zsh : graphes à lire" "$(offres_zsh arbre '')" "_files -g *.(#i)(gff|graphml|dot|gv|csv|json)(-.)"
verifier "zsh : sommets" "$(offres_zsh bellman --max a.gff X '')" ""
verifier "zsh : formats" "$(offres_zsh exporter --format '')" "bmp png svg"
verifier "zsh : page" "$(offres_zsh imprimer --format pdf a.gff '')" "_files -g *.(#i)(pdf)(-.)"

[ "$echecs" = 0 ] && echo "completion: bash et zsh complètent comme attendu"
exit $((echecs > 0))
