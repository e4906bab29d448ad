# bash completion for quorvalent-cli: its commands, their options and the
# files each argument takes.
#
# The commands, their syntax and the options are read from the program's own
# help (`quorvalent-cli --aide`), which prints its dispatch table: a command
# added there is completed without touching this file.

# The graph formats the tool reads.
_quorvalent_cli_graphes="gff graphml dot gv csv json"

# Adds to COMPREPLY the folders and the files ending in one of the
# extensions $2..., in any case, that complete $1.
_quorvalent_cli_fichiers() {
    local mot=$1 extension motif c i
    shift
    local IFS=$'\n'
    COMPREPLY+=($(compgen -d -- "$mot"))
    for extension in "$@"; do
        motif=
        for ((i = 0; i < ${#extension}; i++)); do
            c=${extension:i:1}
            motif+="[${c,}${c^}]"
        done
        COMPREPLY+=($(compgen -f -X "!*.$motif" -- "$mot"))
    done
}

# Completes $1 as the argument the help writes $2: "FICHIER.gff" and the
# other upper-case words take graphs, "IMAGE.png|IMAGE.svg" pictures,
# "bmp|png" one of its words, "DEPART" and "ARRIVEE" a vertex name (nothing
# to offer).
_quorvalent_cli_valeur() {
    local mot=$1 forme formes extensions=()
    IFS='|' read -ra formes <<<"${2%...}"
    for forme in "${formes[@]}"; do
        case $forme in
            -) ;;
            DEPART | ARRIVEE) return 0 ;;
            FICHIER.* | [A-Z]*[A-Z]) extensions+=($_quorvalent_cli_graphes) ;;
            *.*) extensions+=("${forme##*.}") ;;
            *) COMPREPLY+=($(compgen -W "$forme" -- "$mot")) ;;
        esac
    done
    if ((${#extensions[@]})); then
        _quorvalent_cli_fichiers "$mot" "${extensions[@]}"
    fi
}

_quorvalent_cli() {
    local programme=${1/#\~/$HOME} mot=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    [[ $programme == */* ]] || programme=quorvalent-cli
    local aide
    aide=$("$programme" --aide 2>/dev/null) || return 0

    # The command lines of the help ("  nom SYNTAXE"), then its options
    # ("  -h, --aide, --help   description").
    local -A syntaxes=()
    local ligne globales=() jeton
    local modele_commande='^  ([a-z][a-z0-9-]*) (.*)$' modele_option='^  (-.*)$'
    while IFS= read -r ligne; do
        if [[ $ligne =~ $modele_commande ]]; then
            syntaxes[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
        elif [[ $ligne =~ $modele_option ]]; then
            for jeton in ${BASH_REMATCH[1]}; do
                [[ $jeton == -* ]] || break
                globales+=("${jeton%,}")
            done
        fi
    done <<<"$aide"

    # The command, then the options and arguments typed before the word.
    local commande= i options=1 attendue= positions=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        jeton=${COMP_WORDS[i]}
        if [[ -z $commande ]]; then
            [[ -n ${syntaxes[$jeton]+x} ]] && commande=$jeton
        elif [[ -n $attendue ]]; then
            attendue=
        elif ((options)) && [[ $jeton == -- ]]; then
            options=0
        elif ((options)) && [[ $jeton == -?* ]]; then
            [[ ${syntaxes[$commande]} == *"[$jeton "* ]] && attendue=$jeton
        else
            ((++positions))
        fi
    done

    if [[ -z $commande ]]; then
        if [[ $mot == -* ]]; then
            COMPREPLY=($(compgen -W "${globales[*]}" -- "$mot"))
        else
            COMPREPLY=($(compgen -W "${!syntaxes[*]}" -- "$mot"))
        fi
        return 0
    fi

    # The command's syntax: its options in brackets, then its arguments.
    local syntaxe=${syntaxes[$commande]} propres=() arguments=()
    local modele_propre='\[(-[^] ]*)( ([^]]*))?\]'
    while [[ $syntaxe =~ $modele_propre ]]; do
        propres+=("${BASH_REMATCH[1]}")
        if [[ ${BASH_REMATCH[1]} == "$attendue" ]]; then
            _quorvalent_cli_valeur "$mot" "${BASH_REMATCH[3]}"
        fi
        syntaxe=${syntaxe/"${BASH_REMATCH[0]}"/}
    done
    [[ -z $attendue ]] || return 0
    read -ra arguments <<<"$syntaxe"

    if ((options)) && [[ $mot == -* ]]; then
        COMPREPLY=($(compgen -W "${globales[*]} ${propres[*]}" -- "$mot"))
    elif ((positions < ${#arguments[@]})); then
        _quorvalent_cli_valeur "$mot" "${arguments[positions]}"
    elif ((${#arguments[@]})) && [[ ${arguments[-1]} == *... ]]; then
        _quorvalent_cli_valeur "$mot" "${arguments[-1]}"
    fi
    return 0
}

complete -o filenames -F _quorvalent_cli quorvalent-cli
