#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick (`convert`) into resources/:
# the 27 step-control pictures (nine buttons in three states), the eight
# toolbar pictures, the program icon and the logo (a JPEG).  The pictures are
# committed, so a build never runs this; run it again after changing a drawing.
#
#   scripts/images.sh        (from anywhere; needs imagemagick and fonts-dejavu-core)
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
magneto=$racine/resources/magneto
barre=$racine/resources/barre
mkdir -p "$magneto" "$barre"
# Without time stamps in the PNG files, drawing again changes no file whose
# drawing has not changed.
convert() { command convert -define png:exclude-chunks=date,time "$@"; }

gras=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
serif=/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf
texte=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# ---------------------------------------------------------------- step control
# Each glyph is a list of -draw primitives on a 24 x 18 canvas.  The three
# states differ only in colour: EN dark, DI grey embossed, CL coloured.
declare -A glyphe couleur
glyphe[MPLAY]="polygon 8,3 8,15 18,9"
glyphe[MPlayAn]="polygon 3,3 3,15 12,9 polygon 12,3 12,15 21,9"
glyphe[MPAUSE]="rectangle 7,3 10,15 rectangle 14,3 17,15"
glyphe[MSTop]="rectangle 7,4 17,14"
glyphe[MDebut]="rectangle 3,3 5,15 polygon 7,9 13,4 13,7 21,7 21,11 13,11 13,14"
glyphe[MPeriodePlus]="polygon 7,3 7,15 15,9 rectangle 16,3 18,15"
glyphe[MANPLUS]="polygon 2,3 2,15 10,9 polygon 10,3 10,15 18,9 rectangle 19,3 21,15"
glyphe[MPeriodeMoins]="rectangle 6,3 8,15 polygon 17,3 17,15 9,9"
glyphe[MAnMoins]="rectangle 3,3 5,15 polygon 14,3 14,15 6,9 polygon 22,3 22,15 14,9"
couleur[MPLAY]="#1f9d3a"
couleur[MPlayAn]="#1f9d3a"
couleur[MPAUSE]="#e0a000"
couleur[MSTop]="#d42a20"
couleur[MDebut]="#7b3fb5"
couleur[MPeriodePlus]="#1f6fd1"
couleur[MANPLUS]="#1f6fd1"
couleur[MPeriodeMoins]="#1f6fd1"
couleur[MAnMoins]="#1f6fd1"

for nom in "${!glyphe[@]}"; do
    g=${glyphe[$nom]}
    # Each primitive becomes its own -draw (translate applies per draw).
    dessins_en=() dessins_cl=() dessins_di=()
    read -ra mots <<<"$g"
    primitive=""
    flush() {
        [[ -z $primitive ]] && return
        dessins_en+=(-fill "#202020" -stroke "#000000" -draw "$primitive")
        dessins_cl+=(-fill "${couleur[$nom]}" -stroke "#1a1a1a" -draw "$primitive")
        dessins_di+=(-fill white -stroke white -draw "translate 1,1 $primitive"
                     -fill "#9a9a9a" -stroke "#8a8a8a" -draw "$primitive")
        primitive=""
    }
    for mot in "${mots[@]}"; do
        if [[ $mot == polygon || $mot == rectangle ]]; then
            flush
            primitive=$mot
        else
            primitive+=" $mot"
        fi
    done
    flush
    convert -size 24x18 xc:none -strokewidth 1 "${dessins_en[@]}" "PNG32:$magneto/EN_$nom.png"
    convert -size 24x18 xc:none -strokewidth 1 "${dessins_cl[@]}" "PNG32:$magneto/CL_$nom.png"
    convert -size 24x18 xc:none -strokewidth 1 "${dessins_di[@]}" "PNG32:$magneto/DI_$nom.png"
done

# --------------------------------------------------------------------- toolbar
# Drawn at 48 x 48; the toolbar shows them at 24 (and sharp on dense screens).
fenetres=()
fenetre() { # x y w h: adds a small window with a blue title bar
    local x=$1 y=$2 w=$3 h=$4
    fenetres+=(-fill white -stroke "#30475e" -strokewidth 2 -draw "rectangle $x,$y $((x + w)),$((y + h))"
               -fill "#2f6db5" -draw "rectangle $x,$y $((x + w)),$((y + 7))")
}
fenetres=()
fenetre 3 3 28 22
fenetre 10 12 28 22
fenetre 17 21 28 22
convert -size 48x48 xc:none "${fenetres[@]}" "PNG32:$barre/cascade.png"
fenetres=()
fenetre 2 3 20 19
fenetre 25 3 20 19
fenetre 2 26 20 19
fenetre 25 26 20 19
convert -size 48x48 xc:none "${fenetres[@]}" "PNG32:$barre/mosaique.png"
convert -size 48x48 xc:none -fill "#2f6db5" -stroke "#1d4a80" -strokewidth 2 \
    -draw "circle 24,24 24,3" -fill white -stroke none -font "$gras" -pointsize 32 \
    -gravity center -annotate +0+1 "?" "PNG32:$barre/aide.png"
# A floppy disk carrying a small bar chart: "save the graph".
convert -size 48x48 xc:none -fill "#34495e" -stroke "#1c2833" -strokewidth 2 \
    -draw "polygon 4,4 38,4 44,10 44,44 4,44" \
    -fill "#d5dbdb" -stroke none -draw "rectangle 12,4 34,16" \
    -fill "#34495e" -draw "rectangle 27,6 31,14" \
    -fill white -draw "rectangle 9,22 39,42" \
    -fill "#1f9d3a" -draw "rectangle 13,33 17,40" \
    -fill "#e0a000" -draw "rectangle 21,28 25,40" \
    -fill "#d42a20" -draw "rectangle 29,25 33,40" "PNG32:$barre/enregistrer.png"
convert -size 48x48 xc:none -fill "#1f9d3a" -stroke "#13612a" -strokewidth 2 \
    -draw "polygon 4,8 4,40 24,24" -draw "polygon 24,8 24,40 44,24" "PNG32:$barre/continu.png"
convert -size 48x48 xc:none -fill "#d42a20" -stroke "#7d1a13" -strokewidth 2 \
    -draw "polygon 16,4 32,4 44,16 44,32 32,44 16,44 4,32 4,16" \
    -fill white -stroke none -draw "rectangle 13,21 35,27" "PNG32:$barre/stop.png"
convert -size 48x48 xc:none -fill "#1f9d3a" -stroke "#13612a" -strokewidth 2 \
    -draw "polygon 8,6 8,42 32,24" -fill "#1f6fd1" -stroke "#174f95" \
    -draw "rectangle 35,6 41,42" "PNG32:$barre/pasapas.png"
# A curved arrow going back: "undo the last period".
convert -size 48x48 xc:none -fill none -stroke "#d46a10" -strokewidth 6 \
    -draw "path 'M 40,40 C 40,18 30,14 16,14'" \
    -fill "#d46a10" -stroke "#a04f0a" -strokewidth 1 \
    -draw "polygon 4,14 18,3 18,25" "PNG32:$barre/pasenarriere.png"

# ------------------------------------------------------------------------ icon
convert -size 128x128 xc:none -fill "#1d5fa0" -stroke none \
    -draw "roundrectangle 4,4 123,123 22,22" \
    -fill "#8fd3f4" -draw "path 'M 4,70 Q 34,56 64,70 T 123,70 L 123,100 L 4,100 Z'" \
    -fill "#f4b942" -stroke "#8a5a00" -strokewidth 3 \
    -draw "ellipse 58,46 30,16 0,360" -draw "polygon 86,46 110,30 110,62" \
    -fill "#1a1a1a" -stroke none -draw "circle 42,42 42,46" \
    -fill white -font "$gras" -pointsize 26 -gravity south -annotate +0+6 "VASCO" \
    "PNG32:$racine/resources/vasco.png"

# ------------------------------------------------------------------------ logo
# A trawler at dawn over a sea full of fish, with the program's name.
logo=$(mktemp --suffix=.png)
trap 'rm -f "$logo"' EXIT
convert -size 1200x380 gradient:"#fbd9a6"-"#7fb8e6" -flip \
    \( -size 1200x420 gradient:"#2a7fc0"-"#0b2a52" \) -append \
    -fill "#fff3c4" -stroke none -draw "circle 930,300 930,240" \
    -fill "#ffffff60" -draw "ellipse 230,120 120,28 0,360" -draw "ellipse 330,100 90,24 0,360" \
    -draw "ellipse 800,150 140,26 0,360" \
    -fill "#3d8fd0" -draw "rectangle 0,380 1200,400" \
    -fill none -stroke "#9fd0f0" -strokewidth 3 \
    -draw "path 'M 0,420 Q 50,408 100,420 T 200,420 T 300,420 T 400,420 T 500,420 T 600,420 T 700,420 T 800,420 T 900,420 T 1000,420 T 1100,420 T 1200,420'" \
    -stroke "#6fb0e0" -strokewidth 2 \
    -draw "path 'M 0,470 Q 60,458 120,470 T 240,470 T 360,470 T 480,470 T 600,470 T 720,470 T 840,470 T 960,470 T 1080,470 T 1200,470'" \
    -stroke none -fill "#c0392b" -draw "polygon 600,330 900,330 870,395 630,395" \
    -fill "#f4f1ea" -draw "rectangle 690,270 790,330" \
    -fill "#2c3e50" -draw "rectangle 700,282 720,300 rectangle 735,282 755,300 rectangle 768,282 782,300" \
    -fill "#34495e" -draw "rectangle 820,170 828,330" -draw "rectangle 650,210 656,330" \
    -stroke "#34495e" -strokewidth 3 -draw "line 824,180 960,400 line 653,215 600,330" \
    -stroke "#c7d2d8" -strokewidth 2 -fill none \
    -draw "path 'M 960,400 L 1040,560 L 1120,640 L 1010,680 L 930,580 Z'" \
    -draw "line 985,450 1075,600 line 945,480 1065,650 line 990,520 1100,630" \
    -stroke none -fill "#f4b942" \
    -draw "ellipse 220,600 46,18 0,360" -draw "polygon 262,600 290,584 290,616" \
    -draw "ellipse 330,680 38,15 0,360" -draw "polygon 365,680 388,667 388,693" \
    -fill "#e8e2c8" \
    -draw "ellipse 470,580 50,17 0,360" -draw "polygon 515,580 545,562 545,598" \
    -draw "ellipse 140,710 34,13 0,360" -draw "polygon 172,710 193,698 193,722" \
    -fill "#ff8a5c" \
    -draw "ellipse 560,720 42,16 0,360" -draw "polygon 598,720 622,706 622,734" \
    -fill "#0b2a52" -draw "circle 196,596 196,600 circle 310,676 310,679 circle 446,576 446,580" \
    -draw "circle 122,707 122,710 circle 536,716 536,720" \
    -fill "#00000055" -font "$serif" -pointsize 170 -gravity northwest -annotate +64+64 "Vasco" \
    -fill white -annotate +58+58 "Vasco" \
    -font "$texte" -pointsize 26 -fill "#0b2a52" -annotate +74+248 \
    "Simulation bio-économique d'une pêcherie" \
    "$logo"
convert "$logo" -quality 88 -sampling-factor 4:2:0 "$racine/resources/logo.jpg"

echo "Images écrites dans $racine/resources"
