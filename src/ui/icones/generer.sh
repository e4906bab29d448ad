#!/usr/bin/env bash
# Draws the toolbar images once (ImageMagick); the PNG files are committed,
# so building needs neither this script nor ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

# Each image is drawn at 4x on an 80x80 canvas, then reduced to 20x20, and to
# 40x40 for screens of twice the density ("@2x", which Qt picks by itself).
dessiner() {
    local nom=$1
    shift
    convert -size 80x80 xc:none -strokewidth 4 "$@" -write mpr:image +delete \
        \( mpr:image -resize 20x20 -define png:exclude-chunks=date,time -write "PNG32:$nom.png" +delete \) \
        mpr:image -resize 40x40 -define png:exclude-chunks=date,time "PNG32:$nom@2x.png"
}

dessiner nouveau -fill white -stroke '#404040' -draw 'polygon 16,4 50,4 66,20 66,76 16,76' \
    -fill '#d0d0d0' -draw 'polygon 50,4 50,20 66,20'
dessiner ouvrir -fill '#e0a800' -stroke '#7a5a00' -draw 'polygon 4,18 28,18 34,26 72,26 72,70 4,70' \
    -fill '#ffd54a' -draw 'polygon 14,36 78,36 68,70 4,70'
dessiner sauver -fill '#2f5fb3' -stroke '#1a3566' -draw 'polygon 6,6 66,6 74,14 74,74 6,74' \
    -fill white -draw 'rectangle 18,8 58,30' -fill '#c8c8c8' -draw 'rectangle 18,46 62,74'
dessiner sauversous -fill '#2f5fb3' -stroke '#1a3566' -draw 'polygon 6,6 56,6 62,12 62,62 6,62' \
    -fill white -draw 'rectangle 16,8 48,26' -fill '#c8c8c8' -draw 'rectangle 16,38 50,62' \
    -fill '#f08c00' -stroke '#7a4000' -draw 'polygon 46,70 70,46 78,54 54,78 44,78'
dessiner apercu -fill white -stroke '#404040' -draw 'polygon 8,4 44,4 58,18 58,76 8,76' \
    -fill '#bfe3ff' -stroke '#202020' -strokewidth 6 -draw 'circle 46,44 46,26' \
    -draw 'line 58,58 76,76'
dessiner imprimer -fill white -stroke '#404040' -draw 'rectangle 22,4 58,34' \
    -fill '#9a9a9a' -stroke '#303030' -draw 'roundrectangle 4,28 76,62 6,6' \
    -fill white -draw 'rectangle 20,50 60,76' -fill '#30c030' -stroke none -draw 'rectangle 62,36 70,42'
dessiner rapport -fill white -stroke '#404040' -draw 'polygon 14,4 50,4 66,20 66,76 14,76' \
    -stroke '#3060c0' -strokewidth 5 -draw 'line 24,30 56,30' -draw 'line 24,42 56,42' \
    -draw 'line 24,54 56,54' -draw 'line 24,66 44,66'
dessiner dessin -fill '#9fd4ff' -stroke '#404040' -draw 'rectangle 4,10 76,70' \
    -fill '#ffd000' -stroke none -draw 'circle 58,26 58,18' \
    -fill '#2e9a3a' -draw 'polygon 6,68 30,34 46,54 56,44 74,68'
dessiner cube3d -fill '#7fb0ff' -stroke '#1a3566' -draw 'polygon 10,26 40,10 70,26 40,42' \
    -fill '#3c74d0' -draw 'polygon 10,26 40,42 40,76 10,60' \
    -fill '#23509e' -draw 'polygon 40,42 70,26 70,60 40,76'
dessiner aide -fill '#2f6fd0' -stroke '#1a3566' -draw 'circle 40,40 40,4' \
    -fill white -stroke none -font DejaVu-Sans-Bold -pointsize 56 -gravity center -annotate +0+2 '?'

# The program's own icon (window corners, task bar): three joined vertices.
convert -size 128x128 xc:none -stroke '#202020' -strokewidth 6 \
    -draw 'line 30,96 64,28' -draw 'line 64,28 100,92' -draw 'line 30,96 100,92' \
    -fill white -stroke '#1a3566' -strokewidth 8 \
    -draw 'circle 30,96 30,78' -draw 'circle 64,28 64,10' -draw 'circle 100,92 100,74' \
    -resize 32x32 -define png:exclude-chunks=date,time PNG32:quorvalent.png
