# Shared start of the end-to-end sessions, sourced by each script with its
# three arguments: checks the tools (exit 77, skipped, when one is missing),
# starts a virtual display of its own and Quorvalent on it, and at exit stops
# both and copies the screenshots and logs into the output folder.
#
# The session writes in a short folder of its own under /tmp: a saved file
# records its path in a field of 80 bytes, which a deep build tree overflows.
programme=$1
cli=$2
sortie=$3
for outil in Xvfb xdotool import od cmp; do
    command -v "$outil" >/dev/null || { echo "missing $outil: skipped"; exit 77; }
done
source "$(dirname "${BASH_SOURCE[0]}")/attente.sh"
rm -rf "$sortie"
mkdir -p "$sortie"
travail=$(mktemp -d /tmp/qv-e2e.XXXXXX)

pids=()
terminer() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    cp "$travail"/*.png "$travail"/*.log "$sortie"/ 2>/dev/null || true
    rm -rf "$travail"
}
trap terminer EXIT

# A display of our own, whichever number is free.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/affichage" 2>"$travail/xvfb.log" &
pids+=($!)
attendre "the virtual display" test -s "$travail/affichage"
export DISPLAY=":$(head -n1 "$travail/affichage")"
export QT_QPA_PLATFORM=xcb
# Recent files and the last folder of the session stay in its own folder.
export XDG_CONFIG_HOME="$travail"

"$programme" >"$travail/quorvalent.log" 2>&1 &
pid_programme=$!
pids+=($pid_programme)
