# Waiting helpers of the end-to-end sessions, sourced by demarrage.sh. Each
# polls a condition until it holds or E2E_DELAI seconds pass, so that a busy
# machine or a sanitized build makes a session slower, never wrong.
delai=${E2E_DELAI:-90}

echec() { echo "FAIL: $*" >&2; exit 1; }

# tenter SECONDS COMMAND [ARGUMENTS...]: polls COMMAND until it succeeds;
# false when the time is out, for a step that may be taken again.
tenter() {
    local fin=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$fin" ] || return 1
        sleep 0.1
    done
}

# attendre DESCRIPTION COMMAND [ARGUMENTS...]: the same for E2E_DELAI
# seconds, the session failing when the time is out.
attendre() {
    local quoi=$1
    shift
    tenter "$delai" "$@" || echec "waited ${delai}s for $quoi"
}

# The visible top-level window of exactly this title, if any.
titre_visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | sed -n 1p; }
visible() { [ -n "$(titre_visible "$1")" ]; }
cachee() { ! visible "$1"; }

# Waits for a window by its title, gives it the keyboard (there is no window
# manager to do it) and prints its id.
fenetre() {
    attendre "a window titled '$1'" visible "$1"
    local id
    id=$(titre_visible "$1")
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    echo "$id"
}

# Waits until no window bears this title any more (a dialog answered).
fermee() { attendre "the window '$1' to close" cachee "$1"; }

# How many windows of ours are mapped: a menu that opens adds one, and
# takes it away when it closes.
fenetres_visibles() { xdotool search --onlyvisible --pid "$pid_programme" '' 2>/dev/null | wc -l; }
plus_de_fenetres() { [ "$(fenetres_visibles)" -gt "$1" ]; }
pas_plus_de_fenetres() { [ "$(fenetres_visibles)" -le "$1" ]; }

# A save first creates the file empty, writes a temporary file beside it and
# renames that over it: the file is complete once it has bytes, the
# temporary file is gone and the batch tool loads it.
complet() {
    [ -s "$1" ] && ! compgen -G "$1.??????" >/dev/null && "$cli" afficher "$1" >/dev/null 2>&1
}
fichier_complet() { attendre "$1 to be saved whole" complet "$1"; }

# Two captures of the screen alike, a moment apart: the drawing has settled.
ecran_stable() {
    import -window root "rgb:$travail/ecran.rgb"
    cmp -s "$travail/ecran.rgb" "$travail/ecran-avant.rgb" && return 0
    mv "$travail/ecran.rgb" "$travail/ecran-avant.rgb"
    return 1
}
photo() {
    rm -f "$travail/ecran-avant.rgb"
    attendre "the screen to settle before '$1'" ecran_stable
    import -window root "$travail/$1.png"
}
