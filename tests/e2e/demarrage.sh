# Shared start of the end-to-end sessions, sourced by each script with its
# two arguments: checks the tools (exit 77, skipped, when one is missing),
# starts a virtual display of its own and Quorvalent on it, and stops both
# when the script exits.
programme=$1
sortie=$2
for outil in Xvfb xdotool import od; do
    command -v "$outil" >/dev/null || { echo "missing $outil: skipped"; exit 77; }
done
rm -rf "$sortie"
mkdir -p "$sortie"

pids=()
terminer() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap terminer EXIT

# A display of our own, whichever number is free.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$sortie/affichage" 2>"$sortie/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$sortie/affichage" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$sortie/affichage")"
export QT_QPA_PLATFORM=xcb

"$programme" >"$sortie/quorvalent.log" 2>&1 &
pids+=($!)
