#!/usr/bin/env bash
# Draws the application icon at every size of the hicolor theme from
# quorvalent.svg (rsvg-convert, Debian package librsvg2-bin). The PNG files are
# committed, so building and installing need neither this script nor librsvg.
set -euo pipefail
cd "$(dirname "$0")"

for taille in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$taille" --height "$taille" --format png \
        --output "quorvalent-$taille.png" quorvalent.svg
done
