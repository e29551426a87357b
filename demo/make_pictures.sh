#!/usr/bin/env bash
# Draws every picture of the demo world under demo/Data with ImageMagick 6
# (`convert`): button and arrow sprites, death pictures, intro slides,
# location and item pictures. Everything is drawn from fixed shapes, fixed
# colours and a fixed font file; BMPs are written as plain 24-bit BMP3 and
# JPEGs without metadata (-strip), so two runs give identical bytes.
#
# Without the DejaVu font the pictures are drawn without captions.
set -euo pipefail
cd "$(dirname "$0")"

OUT=Data
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
[ -f "$FONT" ] || FONT=""

# bmp FILE convert-arguments... : 24-bit uncompressed BMP.
bmp() {
  local out=$1
  shift
  mkdir -p "$(dirname "$out")"
  convert "$@" -alpha off -type TrueColor "BMP3:$out"
}

# jpg FILE convert-arguments... : baseline JPEG without metadata.
jpg() {
  local out=$1
  shift
  mkdir -p "$(dirname "$out")"
  convert "$@" -alpha off -strip -interlace none -quality 88 \
    -sampling-factor 2x2 "JPEG:$out"
}

# caption TEXT SIZE BAND_TOP WIDTH HEIGHT : sets CAP to the arguments that
# darken a band at the bottom and write TEXT centred in it.
caption() {
  CAP=(-fill '#00000099' -draw "rectangle 0,$3 $(($4 - 1)),$(($5 - 1))")
  if [ -n "$FONT" ]; then
    CAP+=(-gravity south -font "$FONT" -pointsize "$2"
      -fill '#000000' -annotate +1+2 "$1"
      -fill '#f4f0d8' -annotate +0+3 "$1" +gravity)
  fi
}

# ---------------------------------------------------------------------------
# Buttons 81x26: normal is raised and light, pressed is sunken and darker
# with the caption moved one pixel down and right.

button() {
  local name=$1 text=$2 dir=$OUT/sprites/buttons
  local n=() p=()
  if [ -n "$FONT" ]; then
    n=(-gravity center -font "$FONT" -pointsize 12
      -fill '#10141c' -annotate +1+1 "$text" -fill '#ffffff' -annotate +0+0 "$text")
    p=(-gravity center -font "$FONT" -pointsize 12
      -fill '#05070a' -annotate +2+2 "$text" -fill '#c8c8b0' -annotate +1+1 "$text")
  fi
  bmp "$dir/${name}_n.bmp" -size 81x26 gradient:'#9aa4b4'-'#4c5566' \
    -fill none -stroke '#e4e8f0' -draw "line 0,0 80,0" -draw "line 0,0 0,25" \
    -stroke '#1a2030' -draw "line 0,25 80,25" -draw "line 80,0 80,25" \
    -stroke '#6c7688' -draw "line 1,24 79,24" -draw "line 79,1 79,24" \
    -stroke none "${n[@]}"
  bmp "$dir/${name}_p.bmp" -size 81x26 gradient:'#2c3340'-'#485262' \
    -fill none -stroke '#0c1018' -draw "line 0,0 80,0" -draw "line 0,0 0,25" \
    -stroke '#20262f' -draw "line 1,1 79,1" -draw "line 1,1 1,24" \
    -stroke '#8c96a6' -draw "line 0,25 80,25" -draw "line 80,0 80,25" \
    -stroke none "${p[@]}"
}

button view "Смотреть"
button use "Применить"
button throw "Выбросить"
button close "Закрыть"
button trade "Торговать"
button give "Отдать"
button fight "В бой"
button pay "Заплатить"
button ok "OK"
button take "Принять"
# Buttons of the fight and trade screens.
button runaway "Бежать"
button buy "Купить"
button sell "Продать"
button cancel "Отмена"
button leave "Уйти"

# ---------------------------------------------------------------------------
# Direction arrows: up/down 40x35, left/right 35x40, on black.

arrow() {
  local name=$1 w=$2 h=$3 tri=$4 trip=$5 dir=$OUT/sprites/arrows
  bmp "$dir/${name}_n.bmp" -size "${w}x${h}" xc:black \
    -fill '#2a3550' -stroke '#8a9ac0' -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) 6,6" \
    -fill '#f0d040' -stroke '#806010' -draw "polygon $tri"
  bmp "$dir/${name}_p.bmp" -size "${w}x${h}" xc:black \
    -fill '#121828' -stroke '#4a5670' -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) 6,6" \
    -fill '#a88418' -stroke '#503c08' -draw "polygon $trip"
}

arrow up 40 35 "20,6 33,27 7,27" "21,7 34,28 8,28"
arrow down 40 35 "7,8 33,8 20,29" "8,9 34,9 21,30"
arrow left 35 40 "6,20 27,7 27,33" "7,21 28,8 28,34"
arrow right 35 40 "8,7 29,20 8,33" "9,8 30,21 9,34"

# ---------------------------------------------------------------------------
# Death pictures 350x217.

bmp "$OUT/death/death1.bmp" -size 350x217 gradient:'#8a1a10'-'#1a0505' \
  -fill '#c05020' -draw "circle 250,150 250,118" \
  -fill '#0a0404' -draw "polygon 0,217 0,170 70,150 160,140 250,150 350,175 350,217" \
  -fill '#2a1a14' -draw "rectangle 168,60 180,145" -draw "rectangle 148,80 200,91" \
  -draw "polygon 150,145 200,145 196,150 154,150" \
  -fill '#0a0404' -draw "polygon 60,40 70,36 80,40 70,38" \
  -draw "polygon 90,55 98,51 106,55 98,53" -draw "polygon 280,30 290,26 300,30 290,28"

bmp "$OUT/death/death2.bmp" -size 350x217 gradient:'#000000'-'#4a0505' \
  -fill '#d8d0c0' -draw "circle 175,90 175,40" \
  -draw "roundrectangle 143,110 207,160 10,10" \
  -fill '#0a0000' -draw "circle 155,88 155,102" -draw "circle 195,88 195,102" \
  -draw "polygon 175,104 167,124 183,124" \
  -stroke '#0a0000' -strokewidth 2 \
  -draw "line 155,140 155,160" -draw "line 165,140 165,160" \
  -draw "line 175,140 175,160" -draw "line 185,140 185,160" \
  -draw "line 195,140 195,160" -draw "line 145,140 205,140" \
  -stroke none -fill '#3a0000' -draw "polygon 0,217 0,190 350,185 350,217"

# ---------------------------------------------------------------------------
# Intro slides, JPEG 486x345.

# 1: the town before the accident.
jpg "$OUT/sprites/intro/1.jpg" -size 486x345 gradient:'#8fc0e8'-'#f4e4c0' \
  -fill '#fff0b0' -draw "circle 410,70 410,40" \
  -fill '#eaeaea' -draw "circle 92,40 92,22" -draw "circle 110,28 110,8" \
  -draw "circle 170,50 170,34" -draw "circle 190,36 190,18" \
  -fill '#9a8a80' -draw "rectangle 80,60 100,220" -draw "rectangle 160,70 178,220" \
  -fill '#c03030' -draw "rectangle 80,70 100,80" -draw "rectangle 160,80 178,90" \
  -fill '#8a8078' -draw "rectangle 60,150 240,225" \
  -fill '#6a9a40' -draw "polygon 0,345 0,220 486,210 486,345" \
  -fill '#c87850' -draw "rectangle 270,170 320,230" -fill '#8a3a2a' -draw "polygon 262,170 295,145 328,170" \
  -fill '#e0c890' -draw "rectangle 340,160 400,230" -fill '#6a4a3a' -draw "polygon 332,160 370,130 408,160" \
  -fill '#f8f0b0' -draw "rectangle 282,185 296,200" -draw "rectangle 352,175 366,190" -draw "rectangle 376,175 390,190" \
  -fill '#505458' -draw "polygon 200,345 250,225 280,225 330,345" \
  -fill '#e0e0d0' -draw "rectangle 262,300 270,330" -draw "rectangle 258,250 264,270"

# 2: the night of the accident.
jpg "$OUT/sprites/intro/2.jpg" -size 486x345 gradient:'#100404'-'#5a1a08' \
  '(' -size 400x400 radial-gradient:'#fff8c0'-'#ff600000' ')' -geometry -20-80 -composite \
  '(' -size 200x200 radial-gradient:'#ffffff'-'#ffffff00' ')' -geometry +80+20 -composite \
  -fill '#0a0404' -draw "rectangle 80,90 100,250" -draw "rectangle 160,100 178,250" \
  -draw "polygon 40,250 60,170 110,190 150,160 240,200 240,250" \
  -draw "polygon 0,345 0,240 486,230 486,345" \
  -draw "rectangle 300,200 330,240" -draw "polygon 292,200 315,180 338,200" \
  -draw "rectangle 360,195 410,240" -draw "polygon 352,195 385,170 418,195"

# 3: the ruins.
jpg "$OUT/sprites/intro/3.jpg" -size 486x345 gradient:'#5a5e64'-'#b0aca0' \
  -fill '#3a3634' -draw "polygon 20,240 20,120 60,100 80,140 110,130 110,240" \
  -draw "polygon 130,240 130,80 170,80 175,120 190,110 200,240" \
  -draw "polygon 300,240 300,140 330,150 350,100 390,100 395,240" \
  -fill '#7a7068' -draw "rectangle 40,150 50,165" -draw "rectangle 70,160 80,175" \
  -draw "rectangle 145,100 155,115" -draw "rectangle 145,140 155,155" \
  -draw "rectangle 340,120 350,135" -draw "rectangle 365,150 375,165" \
  -fill '#4a4440' -draw "polygon 0,345 0,235 486,228 486,345" \
  -fill '#5e5650' -draw "polygon 90,250 140,230 190,255 160,270 100,268" \
  -draw "polygon 280,262 330,240 380,258 360,275 300,276" \
  -stroke '#241c18' -strokewidth 5 -draw "line 440,235 440,150" \
  -strokewidth 3 -draw "line 440,190 465,165" -draw "line 440,175 420,150" -draw "line 440,205 418,195" \
  -stroke none

# 4: the scavenger sets out at dawn.
jpg "$OUT/sprites/intro/4.jpg" -size 486x345 gradient:'#283858'-'#e8a870' \
  -fill '#ffd890' -draw "circle 243,205 243,180" \
  -fill '#1e2a1a' -draw "polygon 0,215 30,190 60,212 90,185 120,210 150,192 190,214 486,214 486,230 0,230" \
  -draw "polygon 300,214 330,188 360,212 390,182 420,210 450,190 486,205 486,214" \
  -fill '#3a3428' -draw "polygon 0,345 0,212 486,212 486,345" \
  -fill '#5a5448' -draw "polygon 150,345 236,214 250,214 336,345" \
  -fill '#0c0a08' -draw "circle 262,226 262,219" \
  -draw "polygon 254,234 272,234 276,268 252,268" \
  -draw "rectangle 270,236 284,260" \
  -draw "polygon 253,266 261,266 258,300 250,300" -draw "polygon 266,266 274,266 280,300 272,300" \
  -stroke '#0c0a08' -strokewidth 2 -draw "line 255,240 245,262" -stroke none

# ---------------------------------------------------------------------------
# Location pictures: scenes drawn on 137x137; area pictures are reduced to
# 100x100 before their caption, place pictures keep 137x137.

LOCDIR=$OUT/pictures/locations

place() { # file caption convert-arguments...
  local file=$1 text=$2
  shift 2
  caption "$text" 11 120 137 137
  bmp "$LOCDIR/$file" -size 137x137 "$@" "${CAP[@]}"
}

area() { # file caption convert-arguments...
  local file=$1 text=$2
  shift 2
  caption "$text" 10 86 100 100
  bmp "$LOCDIR/$file" -size 137x137 "$@" -resize '100x100!' "${CAP[@]}"
}

area ruins_area.bmp "Руины поселка" gradient:'#d08850'-'#6a5a60' \
  -fill '#2a2628' -draw "polygon 0,137 0,70 15,70 15,55 30,60 32,90 45,90 45,40 60,35 62,80 75,80 78,50 88,45 92,70 105,72 105,30 118,30 122,60 137,62 137,137" \
  -fill '#f0c060' -draw "rectangle 50,50 54,55" -draw "rectangle 110,40 114,45" \
  -fill '#3a3434' -draw "rectangle 0,105 137,137"

area forest_area.bmp "Сосновый лес" gradient:'#98b0a8'-'#dde5d8' \
  -fill '#3f4d2e' -draw "rectangle 0,100 137,137" \
  -fill '#2f5a30' -draw "polygon 0,100 12,45 24,100" -draw "polygon 40,100 55,35 70,100" \
  -draw "polygon 85,100 98,50 111,100" \
  -fill '#1e3520' -draw "polygon 15,110 32,30 49,110" -draw "polygon 62,110 78,25 94,110" \
  -draw "polygon 105,110 122,38 137,110" \
  -fill '#ffffff30' -draw "rectangle 0,80 137,95"

area village_area.bmp "Выселки" gradient:'#f0c080'-'#f8ecd0' \
  -fill '#a8a050' -draw "rectangle 0,85 137,137" \
  -fill '#2f5a30' -draw "polygon 0,85 10,60 20,85 30,62 40,85 50,58 60,85" \
  -fill '#6b4a2b' -draw "rectangle 70,70 100,90" -fill '#4a3a2a' -draw "polygon 66,70 85,55 104,70" \
  -fill '#6b4a2b' -draw "rectangle 108,75 130,92" -fill '#4a3a2a' -draw "polygon 105,75 119,63 133,75" \
  -fill '#f0d060' -draw "rectangle 80,76 86,82" \
  -stroke '#5a4a20' -draw "line 0,110 137,100" -draw "line 0,120 137,112" -stroke none

area plant_area.bmp "Промзона" gradient:'#c0c060'-'#707a40' \
  -fill '#c8c8b8a0' -draw "circle 30,20 30,8" -draw "circle 45,12 45,2" -draw "circle 75,25 75,14" \
  -fill '#3a3630' -draw "rectangle 24,30 36,110" -draw "rectangle 68,38 80,110" \
  -draw "rectangle 90,70 137,110" -draw "polygon 0,110 0,80 20,80 20,110" \
  -fill '#a02020' -draw "rectangle 24,40 36,46" -draw "rectangle 68,48 80,54" \
  -fill '#4a4636' -draw "rectangle 0,108 137,137"

area bunker_area.bmp "Старый бункер" gradient:'#6a7680'-'#a0a8b0' \
  -fill '#4d5a3a' -draw "polygon 0,137 0,70 40,45 100,40 137,65 137,137" \
  -fill '#8a8a85' -draw "rectangle 40,70 97,115" \
  -fill '#2a2d30' -draw "rectangle 55,82 82,115" \
  -fill '#e0c020' -draw "rectangle 40,70 97,77" \
  -fill '#202020' -draw "polygon 45,70 50,70 46,77 41,77" -draw "polygon 60,70 65,70 61,77 56,77" \
  -draw "polygon 75,70 80,70 76,77 71,77" -draw "polygon 90,70 95,70 91,77 86,77"

place stop.bmp "Разбитая остановка" gradient:'#c98a4b'-'#5a4a46' \
  -fill '#2c2a2e' -draw "polygon 0,95 0,70 20,70 22,80 40,78 40,60 55,62 58,95" \
  -draw "polygon 100,95 102,66 118,64 120,74 137,72 137,95" \
  -fill '#3b3b3d' -draw "rectangle 0,95 137,137" \
  -fill '#7a5a3a' -draw "rectangle 30,50 34,102" -draw "rectangle 100,50 104,102" \
  -fill '#8fa3a860' -draw "rectangle 34,58 100,90" \
  -fill '#6d4a33' -draw "polygon 24,44 60,44 58,52 28,52" -draw "polygon 78,44 112,44 108,52 80,52" \
  -fill '#5b3b22' -draw "rectangle 44,82 90,86" -draw "rectangle 47,86 50,96" -draw "rectangle 84,86 87,96" \
  -fill '#8a8a60' -draw "rectangle 46,78 56,82" -fill '#4a80b0' -draw "rectangle 60,74 64,82"

place street.bmp "Главная улица" gradient:'#8d97a0'-'#c7c0b0' \
  -fill '#55504a' -draw "rectangle 0,70 137,137" \
  -fill '#44464a' -draw "polygon 55,70 82,70 137,137 0,137" \
  -fill '#c8c0a0' -draw "polygon 67,90 70,90 71,100 66,100" -draw "polygon 66,112 71,112 72,128 65,128" \
  -fill '#6b6258' -draw "polygon 0,30 48,52 48,85 0,110" \
  -fill '#5a5048' -draw "polygon 137,25 90,50 90,85 137,112" \
  -fill '#141414' -draw "rectangle 10,50 18,62" -draw "rectangle 28,56 35,66" -draw "rectangle 10,76 18,88" \
  -draw "rectangle 118,46 126,58" -draw "rectangle 100,54 107,64" -draw "rectangle 118,74 126,88" \
  -fill '#4f6b3a' -draw "rectangle 92,100 122,112" -fill '#3a4a2a' -draw "rectangle 92,94 104,100" \
  -fill '#1a1a1a' -draw "circle 98,113 98,118" -draw "circle 116,113 116,118"

SIGN=()
if [ -n "$FONT" ]; then
  SIGN=(-font "$FONT" -pointsize 9 -fill '#3a2a1a' -draw "text 44,58 'ПРОДУКТЫ'")
fi
place shop.bmp "Сгоревший магазин" gradient:'#6e6a66'-'#a39b90' \
  -fill '#514a42' -draw "rectangle 0,110 137,137" \
  -fill '#2a2522' -draw "polygon 12,112 12,42 60,36 80,44 125,40 125,112" \
  -fill '#b9a57a' -draw "polygon 28,48 106,46 108,58 30,62" "${SIGN[@]}" \
  -fill '#0a0807' -draw "rectangle 22,70 52,98" -draw "rectangle 86,70 116,98" -draw "rectangle 60,74 78,112" \
  -fill '#e0702080' -draw "rectangle 22,94 52,98" -draw "rectangle 86,94 116,98" \
  -fill '#8a8890a0' -draw "circle 95,28 95,16" -draw "circle 112,18 112,8"

place square.bmp "Площадь" gradient:'#9aa6b0'-'#d8d0c0' \
  -fill '#7a7166' -draw "rectangle 0,88 137,137" \
  -fill '#a39a8a' -draw "rectangle 8,30 129,88" -fill '#8a8272' -draw "polygon 4,30 68,12 133,30" \
  -fill '#c8c0b0' -draw "rectangle 20,40 26,88" -draw "rectangle 40,40 46,88" -draw "rectangle 91,40 97,88" -draw "rectangle 111,40 117,88" \
  -fill '#5e5a55' -draw "rectangle 58,74 80,110" -fill '#4a4640' -draw "polygon 62,48 76,48 79,74 59,74" \
  -fill '#4b4f55' -draw "ellipse 69,122 32,8 0,360" -fill '#2c2f33' -draw "ellipse 69,122 24,5 0,360" \
  -fill '#8b2e2e' -draw "polygon 98,92 132,92 136,102 94,102" \
  -fill '#d8c8a8' -draw "polygon 106,92 112,92 112,102 104,102" -draw "polygon 118,92 124,92 126,102 120,102" \
  -fill '#5a3a22' -draw "rectangle 100,104 130,112"

place edge.bmp "Опушка леса" gradient:'#8aa0a0'-'#d0d8d0' \
  -fill '#3f4d2e' -draw "rectangle 0,105 137,137" \
  -fill '#2f5a30' -draw "polygon 0,108 14,40 28,108" -draw "polygon 48,108 62,36 76,108" -draw "polygon 98,108 112,44 126,108" \
  -fill '#1e3520' -draw "polygon 20,115 38,25 56,115" -draw "polygon 72,115 90,30 108,115" -draw "polygon 115,118 130,50 137,118" \
  -fill '#4a3020' -draw "rectangle 36,112 40,122" -draw "rectangle 88,112 92,122" \
  -fill '#ffffff40' -draw "rectangle 0,80 137,100" \
  -fill '#b08850' -draw "polygon 60,137 66,108 72,108 84,137"

place glade.bmp "Лесная поляна" gradient:'#7fb6e0'-'#e8f2f0' \
  -fill '#2f5a30' -draw "polygon 0,80 10,45 20,80 30,50 40,80 50,40 60,80 137,80 137,90 0,90" \
  -fill '#5f8f3a' -draw "rectangle 0,84 137,137" \
  -fill '#7fae4a' -draw "ellipse 98,38 26,24 0,360" \
  -fill '#eeeeee' -draw "rectangle 95,40 101,112" \
  -fill '#202020' -draw "rectangle 95,52 98,54" -draw "rectangle 98,70 101,72" -draw "rectangle 95,90 98,92" \
  -fill '#5aa0d8' -draw "ellipse 48,112 22,7 0,360" -fill '#b8dcf0' -draw "ellipse 44,110 8,2 0,360" \
  -fill '#e8e040' -draw "circle 20,100 20,98" -draw "circle 78,124 78,122" -draw "circle 120,118 120,116"

place plant.bmp "Цеха химзавода" gradient:'#b9c46a'-'#5f6b3a' \
  -fill '#c8c8b8a0' -draw "circle 26,10 26,0" -draw "circle 44,6 44,0" -draw "circle 52,18 52,8" \
  -fill '#4a4440' -draw "rectangle 20,18 32,100" -draw "rectangle 45,25 55,100" \
  -fill '#a02020' -draw "rectangle 20,26 32,32" -draw "rectangle 45,33 55,38" \
  -fill '#55504a' -draw "polygon 60,100 60,55 85,55 95,64 105,52 130,55 130,100" \
  -fill '#1a1a18' -draw "rectangle 70,66 80,78" -draw "rectangle 110,66 120,78" \
  -fill '#4a4636' -draw "rectangle 0,100 137,137" \
  -stroke '#3a3630' -strokewidth 3 -draw "line 32,60 60,60" -draw "line 55,80 60,80" -stroke none \
  -fill '#f0d020' -draw "polygon 92,118 112,118 102,101" -fill '#101010' -draw "circle 102,113 102,110"

place village.bmp "Околица" gradient:'#e0b070'-'#f5e6c0' \
  -fill '#6b7d3a' -draw "rectangle 0,95 137,137" \
  -fill '#c8c0b0a0' -draw "circle 44,28 44,20" -draw "circle 50,16 50,10" \
  -fill '#6b4a2b' -draw "rectangle 15,68 58,100" -fill '#4a3a2a' -draw "polygon 9,68 36,46 64,68" \
  -fill '#3a2a1a' -draw "rectangle 42,42 48,58" \
  -fill '#6b4a2b' -draw "rectangle 78,74 122,103" -fill '#4a3a2a' -draw "polygon 72,74 100,54 128,74" \
  -fill '#f0d060' -draw "rectangle 26,78 36,88" -draw "rectangle 92,82 102,92" \
  -fill '#3b2a1a' -draw "rectangle 0,110 137,113" \
  -draw "rectangle 6,104 9,122" -draw "rectangle 26,104 29,122" -draw "rectangle 46,106 49,122" \
  -draw "rectangle 66,104 69,122" -draw "rectangle 86,105 89,122" -draw "rectangle 106,104 109,122" -draw "rectangle 126,104 129,122"

place gate.bmp "Ворота бункера" gradient:'#7d8a94'-'#b7bcc0' \
  -fill '#4d5a3a' -draw "polygon 0,137 0,60 40,35 100,30 137,55 137,137" \
  -fill '#8a8a85' -draw "rectangle 28,52 109,118" \
  -fill '#3a3d40' -draw "rectangle 46,68 91,118" -fill '#050505' -draw "rectangle 66,68 71,118" \
  -fill '#e0c020' -draw "rectangle 28,52 109,62" \
  -fill '#202020' -draw "polygon 32,52 38,52 33,62 27,62" -draw "polygon 48,52 54,52 49,62 43,62" \
  -draw "polygon 64,52 70,52 65,62 59,62" -draw "polygon 80,52 86,52 81,62 75,62" -draw "polygon 96,52 102,52 97,62 91,62" \
  -fill '#5a5a55' -draw "rectangle 0,118 137,137"

place corridor.bmp "Коридор" xc:'#120e0e' \
  -fill '#262020' -draw "polygon 0,0 137,0 87,45 50,45" \
  -fill '#3b3535' -draw "polygon 0,0 50,45 50,90 0,137" \
  -fill '#332e2e' -draw "polygon 137,0 87,45 87,90 137,137" \
  -fill '#4a423c' -draw "polygon 0,137 50,90 87,90 137,137" \
  '(' -size 40x40 radial-gradient:'#ff5030'-'#ff503000' ')' -geometry +6+0 -composite \
  '(' -size 40x40 radial-gradient:'#ff5030'-'#ff503000' ')' -geometry +92+0 -composite \
  -fill '#ff3020' -draw "circle 26,12 26,15" -draw "circle 112,12 112,15" \
  -fill '#050303' -draw "ellipse 68,114 24,8 0,360" \
  -fill '#5a4a3a' -draw "rectangle 110,50 128,105"

place kamorka.bmp "Каморка" gradient:'#5a4a3a'-'#3a2e24' \
  '(' -size 70x50 radial-gradient:'#f0d080'-'#f0d08000' ')' -geometry +34+0 -composite \
  -fill '#fff0a0' -draw "circle 69,10 69,13" \
  -fill '#2a2018' -draw "rectangle 0,105 137,137" \
  -fill '#4a4a48' -draw "rectangle 6,30 40,100" -draw "rectangle 100,40 130,100" \
  -fill '#40ff80' -draw "rectangle 12,38 34,52" -fill '#ff4030' -draw "circle 14,62 14,64" -draw "circle 24,62 24,64" \
  -fill '#40c0ff' -draw "rectangle 106,48 124,60" \
  -fill '#6b4a2b' -draw "rectangle 30,80 108,88" -draw "rectangle 34,88 38,112" -draw "rectangle 100,88 104,112" \
  -fill '#202020' -draw "circle 62,74 62,79" -draw "circle 76,74 76,79" -draw "rectangle 62,70 76,78" \
  -fill '#5a8ab0' -draw "circle 62,74 62,76" -draw "circle 76,74 76,76" \
  -stroke '#e8e8e0' -draw "line 50,26 58,20" -draw "line 60,20 66,28" -draw "line 70,22 84,22" -stroke none

place store.bmp "Склад" xc:'#2e3236' \
  -fill '#6a5a40' -draw "rectangle 8,10 12,120" -draw "rectangle 88,10 92,120" \
  -draw "rectangle 8,40 92,44" -draw "rectangle 8,75 92,79" -draw "rectangle 8,110 92,114" \
  -fill '#5b6b3a' -draw "rectangle 16,20 44,40" -draw "rectangle 50,26 84,40" -draw "rectangle 16,58 40,75" \
  -draw "rectangle 56,56 86,75" -draw "rectangle 20,94 60,110" \
  -stroke '#c8c8a0' -draw "line 22,30 38,30" -draw "line 56,33 78,33" -draw "line 62,65 80,65" -stroke none \
  -fill '#3a3e42' -draw "rectangle 0,120 137,137" \
  '(' -size 50x50 radial-gradient:'#80ff60'-'#80ff6000' ')' -geometry +90+75 -composite \
  -fill '#6a3a2a' -draw "rectangle 104,90 126,125" -fill '#4a2a1a' -draw "rectangle 104,100 126,103" -draw "rectangle 104,113 126,116"

place pit.bmp "Котлован" gradient:'#3a3f2a'-'#7a8a40' \
  -fill '#5a5040' -draw "rectangle 0,60 137,137" \
  -fill '#2a2418' -draw "ellipse 68,95 62,26 0,360" \
  -fill '#1a140c' -draw "ellipse 68,98 46,17 0,360" \
  '(' -size 70x34 radial-gradient:'#fff3b0'-'#c0ff6000' ')' -geometry +33+82 -composite \
  -fill '#fff6c0' -draw "polygon 66,96 70,92 73,98 68,102" \
  -stroke '#2a2418' -draw "line 10,130 30,118" -draw "line 120,128 105,118" -draw "line 30,70 12,64" -stroke none

# ---------------------------------------------------------------------------
# Item pictures 180x120: a background by kind, a simple drawing, the name.

ITEMDIR=$OUT/pictures/items
BG_GUN="gradient:#50565e-#2a2e34"
BG_AMMO="gradient:#5e5a40-#33301f"
BG_ARMOR="gradient:#4a5a48-#263024"
BG_MEDIK="gradient:#3d5f7a-#1c2f40"
BG_DRINK="gradient:#2f6a7a-#163640"
BG_FOOD="gradient:#7a5a2f-#402c14"
BG_TOOL="gradient:#5a5a5a-#2a2a2a"
BG_ART="gradient:#3a2f5a-#150f28"

item() { # file caption background convert-arguments...
  local file=$1 text=$2 bg=$3
  shift 3
  caption "$text" 13 98 180 120
  bmp "$ITEMDIR/$file" -size 180x120 "$bg" "$@" "${CAP[@]}"
}

item hands.bmp "Руки" "$BG_GUN" \
  -fill '#d9a27a' -stroke '#7a4a30' -draw "roundrectangle 62,28 118,78 10,10" \
  -draw "ellipse 62,60 12,16 0,360" \
  -draw "line 76,30 76,52" -draw "line 90,30 90,52" -draw "line 104,30 104,52" -stroke none

item knife.bmp "Охотничий нож" "$BG_GUN" \
  -fill '#c8ccd0' -draw "polygon 48,46 130,40 150,48 130,57 48,58" \
  -stroke '#f0f4f8' -draw "line 50,48 132,43" -stroke none \
  -fill '#505050' -draw "rectangle 44,38 50,66" \
  -fill '#7a4a22' -draw "roundrectangle 16,45 45,59 5,5" \
  -fill '#5a3418' -draw "circle 24,52 24,54" -draw "circle 36,52 36,54"

item pistol.bmp "Пистолет Сокол-9" "$BG_GUN" \
  -fill '#1e1e1e' -draw "rectangle 45,32 135,50" -fill '#2e2e2e' -draw "rectangle 45,45 130,52" \
  -fill '#3a2a1a' -draw "polygon 52,52 76,52 72,90 46,90" \
  -fill none -stroke '#1e1e1e' -strokewidth 3 -draw "ellipse 84,58 8,7 0,180" -stroke none \
  -fill '#101010' -draw "rectangle 132,36 137,42"

item shotgun.bmp "Обрез двустволки" "$BG_GUN" \
  -fill '#303030' -draw "rectangle 62,38 168,43" -draw "rectangle 62,45 168,50" \
  -fill '#4a4a4a' -draw "rectangle 56,36 70,54" \
  -fill '#6a3a18' -draw "polygon 12,56 58,36 58,56 22,76" -draw "rectangle 70,51 110,56"

item rifle.bmp "Автомат Вихрь-5" "$BG_GUN" \
  -fill '#5a3a1a' -draw "polygon 6,46 42,40 42,56 12,66" \
  -fill '#2a2a2a' -draw "rectangle 40,38 130,52" -draw "rectangle 130,42 172,46" \
  -draw "polygon 84,52 98,52 104,80 90,84" -draw "polygon 56,52 66,52 62,72 52,72" \
  -fill '#6a4a2a' -draw "rectangle 100,40 128,52" \
  -fill '#1a1a1a' -draw "rectangle 60,32 100,38"

item ammo9.bmp "Патроны 9 мм" "$BG_AMMO" \
  -fill '#7a5a30' -draw "rectangle 48,40 132,88" -fill '#5a4020' -draw "polygon 48,40 60,30 144,30 132,40" \
  -fill '#c8a040' -draw "rectangle 60,22 68,40" -draw "rectangle 74,20 82,40" -draw "rectangle 88,22 96,40" \
  -fill '#b87830' -draw "ellipse 64,22 4,3 0,360" -draw "ellipse 78,20 4,3 0,360" -draw "ellipse 92,22 4,3 0,360" \
  -fill '#e8d8a0' -draw "rectangle 60,54 120,70"

item ammo12.bmp "Патроны 12 калибра" "$BG_AMMO" \
  -fill '#b02a2a' -draw "roundrectangle 40,22 58,78 4,4" -draw "roundrectangle 64,22 82,78 4,4" \
  -draw "roundrectangle 88,22 106,78 4,4" -draw "roundrectangle 112,22 130,78 4,4" \
  -fill '#c8a040' -draw "rectangle 40,70 58,86" -draw "rectangle 64,70 82,86" \
  -draw "rectangle 88,70 106,86" -draw "rectangle 112,70 130,86"

item ammo56.bmp "Патроны 5,6 мм" "$BG_AMMO" \
  -fill '#5a6a4a' -draw "rectangle 36,44 144,90" -fill '#4a5a3a' -draw "rectangle 36,38 144,46" \
  -fill '#e8e0c0' -draw "rectangle 60,56 120,76" \
  -fill '#c8a040' -draw "rectangle 50,18 56,40" -draw "rectangle 62,16 68,40" -draw "rectangle 74,18 80,40" \
  -fill '#a06830' -draw "polygon 50,18 53,10 56,18" -draw "polygon 62,16 65,8 68,16" -draw "polygon 74,18 77,10 80,18"

item clothes.bmp "Рубашка и джинсы" "$BG_ARMOR" \
  -fill '#6a8ab8' -draw "polygon 30,20 50,14 62,14 82,20 92,40 80,44 76,34 76,90 36,90 36,34 32,44 20,40" \
  -fill '#f0f0f0' -draw "circle 56,40 56,42" -draw "circle 56,54 56,56" -draw "circle 56,68 56,70" \
  -fill '#2a3a6a' -draw "polygon 104,16 150,16 156,94 136,94 127,40 120,94 98,94" \
  -fill '#c8a040' -draw "circle 127,22 127,24"

item jacket.bmp "Кожаная куртка" "$BG_ARMOR" \
  -fill '#5a3a22' -draw "polygon 50,18 76,12 104,12 130,18 150,56 134,62 126,46 126,94 54,94 54,46 46,62 30,56" \
  -fill '#3a2412' -draw "polygon 76,12 90,34 104,12" \
  -stroke '#c8c8c8' -draw "line 90,34 90,94" -stroke none

item vest.bmp "Бронежилет" "$BG_ARMOR" \
  -fill '#4a5a3a' -draw "polygon 56,14 74,14 80,28 100,28 106,14 124,14 130,94 50,94" \
  -fill '#3a4a2a' -draw "rectangle 62,40 86,70" -draw "rectangle 94,40 118,70" \
  -fill '#2a2a2a' -draw "rectangle 50,76 130,82"

item chemsuit.bmp "Костюм химзащиты" "$BG_ARMOR" \
  -fill '#a8a030' -draw "polygon 62,30 118,30 136,70 124,74 116,56 116,96 98,96 90,66 82,96 64,96 64,56 56,74 44,70" \
  -draw "circle 90,22 90,6" \
  -fill '#303030' -draw "circle 90,22 90,12" \
  -fill '#6aa0c0' -draw "circle 85,20 85,23" -draw "circle 95,20 95,23" \
  -fill '#505050' -draw "circle 90,30 90,34"

item medkit.bmp "Аптечка" "$BG_MEDIK" \
  -fill '#e8e8e0' -draw "roundrectangle 44,26 136,90 8,8" \
  -fill '#a0a098' -draw "rectangle 76,18 104,26" \
  -fill '#d02020' -draw "rectangle 82,38 98,80" -draw "rectangle 69,51 111,67"

item antirad.bmp "Антирад" "$BG_MEDIK" \
  -fill '#d8e0e8' -draw "rectangle 50,48 120,66" \
  -fill '#f0d040' -draw "rectangle 56,51 104,63" \
  -fill '#909090' -draw "rectangle 120,54 142,60" -draw "rectangle 36,44 42,70" -draw "rectangle 42,54 50,60" \
  -stroke '#e0e0e0' -draw "line 142,57 166,57" -stroke none

item bandage.bmp "Бинт" "$BG_MEDIK" \
  -fill '#f0f0f0' -draw "polygon 90,70 170,74 168,86 90,86" \
  -fill '#f8f8f8' -stroke '#b0b0b0' -draw "circle 80,56 80,26" -stroke none \
  -fill '#c8c8c8' -draw "circle 80,56 80,46"

item water.bmp "Бутылка воды" "$BG_DRINK" \
  -fill '#6ab0e080' -draw "polygon 80,14 100,14 100,24 112,38 112,94 68,94 68,38 80,24" \
  -fill '#2a60c0' -draw "rectangle 80,8 100,16" \
  -fill '#ffffff60' -draw "rectangle 72,44 78,88" \
  -fill '#e0f0f8' -draw "rectangle 68,54 112,70"

item kvass.bmp "Квас" "$BG_DRINK" \
  -fill '#6a3a12' -draw "polygon 82,10 98,10 98,26 112,40 112,94 68,94 68,40 82,26" \
  -fill '#c8a040' -draw "rectangle 82,6 98,12" \
  -fill '#e8d8b0' -draw "rectangle 68,56 112,76" \
  -fill '#6a3a12' -draw "rectangle 76,62 104,70"

item energy.bmp "Энергетик" "$BG_DRINK" \
  -fill '#30c040' -draw "rectangle 70,24 110,92" \
  -fill '#c0c0c0' -draw "ellipse 90,24 20,5 0,360" -draw "ellipse 90,92 20,4 0,180" \
  -fill '#101010' -draw "polygon 92,36 78,62 90,62 84,82 102,52 90,52 98,36"

item stew.bmp "Тушенка" "$BG_FOOD" \
  -fill '#a0a0a8' -draw "rectangle 56,34 124,88" \
  -fill '#c8c8d0' -draw "ellipse 90,34 34,9 0,360" \
  -fill '#8a8a90' -draw "ellipse 90,88 34,8 0,180" \
  -fill '#b03020' -draw "rectangle 56,50 124,74" \
  -fill '#f0d8a0' -draw "ellipse 90,62 14,8 0,360"

item rusks.bmp "Сухари" "$BG_FOOD" \
  -fill '#c89040' -stroke '#8a5a20' -draw "roundrectangle 40,60 80,84 4,4" -draw "roundrectangle 84,60 124,84 4,4" \
  -draw "roundrectangle 60,36 100,60 4,4" -draw "roundrectangle 104,36 144,60 4,4" \
  -draw "roundrectangle 82,14 122,36 4,4" -stroke none

item mushrooms.bmp "Сушеные грибы" "$BG_FOOD" \
  -stroke '#d8c8a0' -draw "line 20,20 160,20" -stroke none \
  -fill '#e8dcc0' -draw "rectangle 44,40 52,70" -draw "rectangle 86,44 94,76" -draw "rectangle 128,40 136,70" \
  -fill '#8a5a2a' -draw "ellipse 48,38 20,12 180,360" -draw "ellipse 90,42 22,14 180,360" -draw "ellipse 132,38 20,12 180,360" \
  -stroke '#d8c8a0' -draw "line 48,20 48,26" -draw "line 90,20 90,28" -draw "line 132,20 132,26" -stroke none

item toolkit_w.bmp "Набор оружейника" "$BG_TOOL" \
  -fill '#3a3a3a' -stroke '#808080' -draw "roundrectangle 30,40 150,92 6,6" -stroke none \
  -fill '#707070' -draw "rectangle 76,30 104,40" \
  -fill '#c0c0c8' -draw "rectangle 44,54 112,60" -draw "circle 44,57 44,66" \
  -fill '#3a3a3a' -draw "rectangle 34,53 44,61" \
  -fill '#c8a040' -draw "rectangle 120,50 138,82" -draw "rectangle 126,44 132,50"

item toolkit_a.bmp "Ремнабор для брони" "$BG_TOOL" \
  -fill '#5a4a30' -stroke '#9a8a60' -draw "roundrectangle 30,40 150,92 6,6" -stroke none \
  -fill '#8a7a50' -draw "rectangle 76,30 104,40" \
  -fill '#4a5a3a' -draw "rectangle 42,52 76,82" -draw "rectangle 82,56 108,80" \
  -stroke '#e0e0e0' -draw "line 116,50 140,84" -draw "line 140,50 116,84" -stroke none \
  -fill '#e0e0e0' -draw "circle 116,50 116,54" -draw "circle 140,50 140,54"

item glass.bmp "Стеклышко света" "$BG_ART" \
  '(' -size 100x100 radial-gradient:'#fff3b0'-'#fff3b000' ')' -geometry +40+0 -composite \
  -fill '#fff6c0' -draw "polygon 84,22 100,38 96,76 80,70 74,40" \
  -fill '#ffffff' -draw "polygon 86,30 94,40 90,60 82,44"

item binoculars.bmp "Бинокль всезнания" "$BG_ART" \
  '(' -size 120x90 radial-gradient:'#a0c0ff60'-'#a0c0ff00' ')' -geometry +30+4 -composite \
  -fill '#2a2a2a' -draw "roundrectangle 46,30 84,84 8,8" -draw "roundrectangle 96,30 134,84 8,8" \
  -fill '#4a3a2a' -draw "rectangle 84,40 96,56" \
  -fill '#5a8ab0' -draw "ellipse 65,82 14,6 0,360" -draw "ellipse 115,82 14,6 0,360" \
  -fill '#c0e0ff' -draw "ellipse 61,81 4,2 0,360" -draw "ellipse 111,81 4,2 0,360"

item stone.bmp "Камень-грелка" "$BG_ART" \
  '(' -size 110x90 radial-gradient:'#ff9040'-'#ff904000' ')' -geometry +35+6 -composite \
  -fill '#8a4a2a' -draw "ellipse 90,52 34,24 0,360" \
  -fill '#b86a3a' -draw "ellipse 82,44 14,8 0,360" \
  -stroke '#5a2a1a' -draw "line 70,58 100,64" -draw "line 96,38 108,50" -stroke none

item photo.bmp "Старая фотография" "$BG_ART" \
  -fill '#f0ead8' -draw "polygon 40,16 136,10 142,86 46,92" \
  -fill '#a88a60' -draw "polygon 48,22 130,17 135,78 53,83" \
  -fill '#5a4430' -draw "rectangle 64,30 70,60" -draw "rectangle 78,34 83,60" \
  -draw "polygon 53,83 53,60 135,56 135,78" \
  -fill '#3a2a1a' -draw "circle 96,58 96,62" -draw "circle 108,57 108,61" -draw "circle 118,60 118,63"

# ---------------------------------------------------------------------------
# Enemies 89x113: standing, attacking (red flash, bared), destroyed (fallen,
# dark). Each kind is one drawing; the three looks are made from it.

enemy() { # stem caption background convert-arguments...
  local stem=$1 text=$2 bg=$3 dir=$OUT/pictures/enemies
  shift 3
  caption "$text" 10 99 89 113
  bmp "$dir/$stem.bmp" -size 89x113 gradient:"$bg"-'#101010' "$@" "${CAP[@]}"
  bmp "$dir/${stem}_hit.bmp" -size 89x113 gradient:'#a02010'-'#301008' "$@" \
    -fill '#ffe04080' -draw "polygon 44,6 52,26 70,20 58,36 80,44 56,48 62,66 46,52 30,66 34,46 10,42 32,34 22,16 40,26" \
    "${CAP[@]}"
  bmp "$dir/${stem}_dead.bmp" -size 89x113 gradient:'#303030'-'#080808' \
    '(' -size 89x113 xc:none "$@" -rotate 90 -resize 89x113! ')' -composite \
    -modulate 45,15 -stroke '#800000' -strokewidth 3 -draw "line 14,30 74,90" \
    -draw "line 74,30 14,90" -stroke none "${CAP[@]}"
}

enemy dog "Пес" '#4a5a3a' \
  -fill '#6a5030' -draw "ellipse 46,62 26,12 0,360" -draw "ellipse 72,48 10,9 0,360" \
  -draw "rectangle 26,66 32,90" -draw "rectangle 58,66 64,90" -draw "polygon 74,40 80,30 82,42" \
  -fill '#ff3020' -draw "circle 75,46 75,48" -stroke '#6a5030' -strokewidth 3 \
  -draw "line 20,60 8,50" -stroke none
enemy marauder "Мародер" '#5a5040' \
  -fill '#d0a080' -draw "circle 44,22 44,32" -fill '#303030' -draw "rectangle 34,12 54,18" \
  -fill '#4a4a2a' -draw "rectangle 30,34 58,70" -fill '#2a2a3a' -draw "rectangle 32,70 42,96" \
  -draw "rectangle 46,70 56,96" -fill '#202020' -draw "rectangle 56,44 84,48"
enemy mutant "Мутант" '#3a5a4a' \
  -fill '#7a9a5a' -draw "ellipse 44,56 22,30 0,360" -draw "circle 44,22 44,36" \
  -fill '#c0e040' -draw "circle 38,20 38,23" -draw "circle 50,20 50,23" \
  -fill '#5a7a3a' -draw "polygon 22,40 6,76 14,78 26,52" -draw "polygon 66,40 84,70 76,74 62,52"
enemy robot "Робот" '#3a4a5a' \
  -fill '#8a9098' -draw "rectangle 24,30 64,76" -draw "rectangle 32,10 56,28" \
  -fill '#ff2010' -draw "rectangle 36,16 52,20" -fill '#50585e' -draw "rectangle 26,76 38,98" \
  -draw "rectangle 50,76 62,98" -draw "rectangle 10,36 22,64" -draw "rectangle 66,36 78,64" \
  -fill '#ffd040' -draw "circle 44,50 44,56"

enemy hermit "Отшельник" '#4a4038' \
  -fill '#6a5a48' -draw "polygon 26,40 62,40 72,100 16,100" \
  -fill '#d0a888' -draw "circle 44,24 44,34" \
  -fill '#e8e4dc' -draw "polygon 34,28 54,28 50,52 44,58 38,52" \
  -fill '#e8e4dc' -draw "rectangle 35,12 53,16" \
  -fill '#202020' -draw "circle 40,22 40,24" -draw "circle 48,22 48,24" \
  -stroke '#8a6a40' -strokewidth 3 -draw "line 74,18 70,100" -stroke none

# ---------------------------------------------------------------------------
# The player's fight sprite 64x96, eight frames: he sways and raises his
# weapon a little further with each frame.

for i in 1 2 3 4 5 6 7 8; do
  sway=$(((i - 1) / 2))
  aim=$((54 - 3 * i))
  bmp "$OUT/sprites/fight/roamkin/$i.bmp" -size 64x96 xc:black \
    -fill '#d0a080' -draw "circle $((28 + sway)),16 $((28 + sway)),25" \
    -fill '#405060' -draw "rectangle $((18 + sway)),27 $((38 + sway)),60" \
    -fill '#2a3440' -draw "rectangle $((18 + sway)),60 $((26 + sway)),90" \
    -draw "rectangle $((30 + sway)),60 $((38 + sway)),90" \
    -stroke '#303030' -strokewidth 4 -draw "line $((36 + sway)),38 62,$aim" -stroke none \
    -fill '#ffd060' -draw "circle 61,$aim 61,$((aim + 1 + i % 2))"
done

# ---------------------------------------------------------------------------
# Conversation partners 64x64 (shown stretched to 57x57), trader portraits
# JPEG 100x120, and the closing picture of the outro, JPEG 486x345.

face() { # file background skin hair clothes
  bmp "$OUT/pictures/talks/$1" -size 64x64 gradient:"$2"-'#101010' \
    -fill "$5" -draw "polygon 6,64 14,46 50,46 58,64" \
    -fill "$3" -draw "ellipse 32,30 13,16 0,360" \
    -fill "$4" -draw "ellipse 32,17 14,7 180,360" \
    -fill '#1a1a1a' -draw "circle 27,29 27,31" -draw "circle 37,29 37,31" \
    -stroke '#5a2a1a' -draw "line 28,39 36,39" -stroke none
}

face starosta.bmp '#5a6a3a' '#d8b090' '#d0d0d0' '#4a3a2a'
face znaharka.bmp '#3a5a4a' '#e0b898' '#5a3a2a' '#6a2a4a'
face starosta_glad.bmp '#a08030' '#e0b890' '#e0e0e0' '#4a3a2a'

portrait() { # file caption background skin hair clothes
  caption "$2" 10 104 100 120
  jpg "$OUT/sprites/traders/$1" -size 100x120 gradient:"$3"-'#0c0c10' \
    -fill "$6" -draw "polygon 8,120 18,86 82,86 92,120" \
    -fill "$4" -draw "ellipse 50,54 20,25 0,360" \
    -fill "$5" -draw "ellipse 50,34 22,11 180,360" \
    -fill '#1a1a1a' -draw "circle 42,52 42,55" -draw "circle 58,52 58,55" \
    -stroke '#4a2a1a' -strokewidth 2 -draw "line 43,68 57,68" -stroke none "${CAP[@]}"
}

portrait baryga.jpg "Барыга" '#6a5030' '#c89a78' '#2a2018' '#3a4a2a'
portrait kladovshik.jpg "Кладовщик" '#3a4458' '#d0a888' '#8a8a8a' '#4a5a3a'

# The closing picture: the elder on his porch looks through the binoculars
# at the plant's chimneys in the dawn.
jpg "$OUT/sprites/outro/outro.jpg" -size 486x345 gradient:'#f0b070'-'#384868' -flip \
  -fill '#ffe0a0' -draw "circle 360,150 360,120" \
  -fill '#4a4a50' -draw "rectangle 300,110 316,230" -draw "rectangle 340,120 354,230" \
  -fill '#2a3020' -draw "polygon 0,240 60,215 140,232 220,210 330,228 420,212 486,226 486,260 0,260" \
  -fill '#3a2a1a' -draw "polygon 0,345 0,250 486,250 486,345" \
  -fill '#5a4028' -draw "rectangle 20,200 200,345" -fill '#2a1a10' -draw "polygon 10,200 110,140 210,200" \
  -fill '#6a5038' -draw "rectangle 40,300 200,316" \
  -fill '#d8b090' -draw "circle 150,250 150,236" \
  -fill '#e0e0e0' -draw "ellipse 150,240 15,7 180,360" \
  -fill '#4a3a2a' -draw "polygon 128,345 134,266 168,266 174,345" \
  -fill '#1a1a1a' -draw "roundrectangle 158,242 178,254 3,3" \
  -stroke '#d8b090' -strokewidth 4 -draw "line 140,276 164,252" -stroke none
