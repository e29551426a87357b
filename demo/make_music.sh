#!/usr/bin/env bash
# Generates the demo game's music into the folder given as argument:
#   menu.mp3, intro.mp3, outro.mp3, fight.mp3,
#   loc_ruins.mp3, loc_forest.mp3, loc_bunker.mp3
# Every track is synthesised from fixed notes with sox (no noise, no dither,
# repeatable mode) and encoded by lame at 96 kbit/s without tags, so the
# same tools give the same bytes on every run. Needs: sox, lame.
#
# Each track begins with a short fade-in and ends with a fade-out, so that it
# loops without a click.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTPUT_FOLDER" >&2
  exit 2
fi
out=$1
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

RATE=44100
SOX=(sox -R -D -V1)  # repeatable, no dither, errors only

# up NOTE: the same note an octave higher ("A3" -> "A4").
up() { echo "${1%?}$((${1: -1} + 1))"; }

# notes FILE STEP VOICE NOTE...: a line of notes, one every STEP seconds;
# "-" is a rest. VOICE is a sox synth type ("pluck", "sine", "triangle", ...).
notes() {
  local file=$1 step=$2 voice=$3
  shift 3
  local chains=() sep=()
  for n in "$@"; do
    if [ "$n" = "-" ]; then
      chains+=("${sep[@]}" synth "$step" sine A4 vol 0)
    else
      chains+=("${sep[@]}" synth "$step" "$voice" "$n" fade 0.005 "$step" 0.04)
    fi
    sep=(:)
  done
  "${SOX[@]}" -r $RATE -c 1 -n "$file" "${chains[@]}"
}

# chords FILE LENGTH VOICE CHORD...: held three-note chords ("A3,C4,E4"),
# each LENGTH seconds, swelling in and out.
chords() {
  local file=$1 len=$2 voice=$3
  shift 3
  local chains=() sep=() a b c
  for ch in "$@"; do
    IFS=, read -r a b c <<<"$ch"
    chains+=("${sep[@]}" synth "$len" "$voice" "$a" "$voice" "$b" "$voice" "$c"
      remix - fade h 0.4 "$len" 0.6)
    sep=(:)
  done
  "${SOX[@]}" -r $RATE -c 3 -n -c 1 "$file" "${chains[@]}"
}

# arpeggio STEP CHORD...: for each chord, eight notes going up and down its
# tones an octave higher (printed, for `notes`).
arpeggio() {
  local a b c
  for ch in "$@"; do
    IFS=, read -r a b c <<<"$ch"
    a=$(up "$a") b=$(up "$b") c=$(up "$c")
    echo "$a $b $c $(up "$a") $c $b $a $b"
  done
}

# roots OCTAVE COUNT CHORD...: the root of each chord moved to OCTAVE,
# repeated COUNT times (printed, for `notes`).
roots() {
  local octave=$1 count=$2 root
  shift 2
  for ch in "$@"; do
    root=${ch%%,*}
    root="${root%?}$octave"
    for ((i = 0; i < count; i++)); do echo "$root"; done
  done
}

# finish NAME LENGTH REVERB PART VOLUME [PART VOLUME...]: mixes the parts,
# adds reverb and fades, and encodes NAME.mp3.
finish() {
  local name=$1 len=$2 reverb=$3
  shift 3
  local inputs=()
  while [ $# -gt 0 ]; do
    inputs+=(-v "$2" "$1")
    shift 2
  done
  "${SOX[@]}" -m "${inputs[@]}" -c 2 "$work/$name.wav" \
    reverb "$reverb" trim 0 "$len" gain -n -3 fade t 0.05 "$len" 1.2
  lame --quiet -b 96 --noreplaygain "$work/$name.wav" "$out/$name.mp3"
}

# --- menu: calm chords, A minor, 20 s ----------------------------------------
menu=(A3,C4,E4 F3,A3,C4 G3,C4,E4 G3,B3,D4)
menu=("${menu[@]}" "${menu[@]}")
chords "$work/menu_pad.wav" 2.5 sine "${menu[@]}"
notes "$work/menu_arp.wav" 0.3125 pluck $(arpeggio "${menu[@]}")
notes "$work/menu_bass.wav" 2.5 triangle $(roots 2 1 "${menu[@]}")
finish menu 20 60 "$work/menu_pad.wav" 0.9 "$work/menu_arp.wav" 0.45 "$work/menu_bass.wav" 0.5

# --- intro: slow and wide, D minor, 24 s ---------------------------------------
intro=(D3,F3,A3 A#2,D3,F3 F3,A3,C4 C3,E3,G3)
intro=("${intro[@]}" "${intro[@]}")
chords "$work/intro_pad.wav" 3 triangle "${intro[@]}"
notes "$work/intro_tune.wav" 0.75 pluck \
  D5 - F5 E5 D5 - A4 - F5 - D5 C5 A4 - - - \
  D5 - F5 G5 A5 - G5 F5 E5 - C5 D5 E5 - - -
notes "$work/intro_bass.wav" 1.5 sine $(roots 2 2 "${intro[@]}")
finish intro 24 70 "$work/intro_pad.wav" 0.9 "$work/intro_tune.wav" 0.5 "$work/intro_bass.wav" 0.6

# --- outro: bright, C major, 20 s ----------------------------------------------
outro=(C4,E4,G4 G3,B3,D4 A3,C4,E4 F3,A3,C4)
outro=("${outro[@]}" "${outro[@]}")
chords "$work/outro_pad.wav" 2.5 sine "${outro[@]}"
notes "$work/outro_arp.wav" 0.3125 pluck $(arpeggio "${outro[@]}")
notes "$work/outro_tune.wav" 0.625 triangle \
  E5 - G5 - D5 - B4 - C5 - E5 - A4 - C5 - \
  G5 - E5 - D5 - G5 - E5 - C5 - C5 - - -
notes "$work/outro_bass.wav" 1.25 sine $(roots 2 2 "${outro[@]}")
finish outro 20 50 "$work/outro_pad.wav" 0.7 "$work/outro_arp.wav" 0.4 \
  "$work/outro_tune.wav" 0.35 "$work/outro_bass.wav" 0.5

# --- fight: driving, E minor, 128 beats a minute, 15 s ----------------------------
step=0.234375  # an eighth note
fight=(E3,G3,B3 E3,G3,B3 C3,E3,G3 D3,F#3,A3 E3,G3,B3 E3,G3,B3 C3,E3,G3 B2,D#3,F#3)
notes "$work/fight_bass.wav" $step pluck $(roots 2 8 "${fight[@]}")
notes "$work/fight_square.wav" $step square $(arpeggio "${fight[@]}")
"${SOX[@]}" "$work/fight_square.wav" "$work/fight_arp.wav" lowpass 2500
stabs=()
for ch in "${fight[@]}"; do
  root=$(up "${ch%%,*}")
  stabs+=(- - "$root" - - - "$root" -)
done
notes "$work/fight_saw.wav" $step sawtooth "${stabs[@]}"
"${SOX[@]}" "$work/fight_saw.wav" "$work/fight_stab.wav" lowpass 3000
kicks=()
for _ in "${fight[@]}"; do kicks+=(120-45 - - - 120-45 - - -); done
notes "$work/fight_kick.wav" $step sine "${kicks[@]}"
finish fight 15 20 "$work/fight_bass.wav" 0.9 "$work/fight_arp.wav" 0.2 \
  "$work/fight_stab.wav" 0.25 "$work/fight_kick.wav" 0.8

# --- ruins: melancholy, C minor, sparse, 20 s --------------------------------------
ruins=(C3,D#3,G3 G#2,C3,D#3 F3,G#3,C4 G2,B2,D3)
ruins=("${ruins[@]}" "${ruins[@]}")
chords "$work/ruins_pad.wav" 2.5 sine "${ruins[@]}"
notes "$work/ruins_bell.wav" 1.25 pluck \
  G5 - D#5 - C5 D5 D#5 - G5 - C6 - A#5 G5 F5 -
finish loc_ruins 20 95 "$work/ruins_pad.wav" 1.0 "$work/ruins_bell.wav" 0.35

# --- forest: gentle, G major, 20 s -----------------------------------------------
forest=(G3,B3,D4 E3,G3,B3 C4,E4,G4 D3,F#3,A3)
forest=("${forest[@]}" "${forest[@]}")
chords "$work/forest_pad.wav" 2.5 triangle "${forest[@]}"
notes "$work/forest_arp.wav" 0.3125 pluck $(arpeggio "${forest[@]}")
notes "$work/forest_flute.wav" 0.625 sine \
  D5 - B4 - D5 E5 D5 - G5 - E5 - B4 - - - \
  C5 - E5 - G5 - A5 G5 F#5 - E5 - D5 - - -
finish loc_forest 20 60 "$work/forest_pad.wav" 0.6 "$work/forest_arp.wav" 0.45 \
  "$work/forest_flute.wav" 0.3

# --- bunker: dark drone, A minor, 20 s -------------------------------------------
bunker=(A2,E3,C4 A2,E3,C4 F2,C3,A3 E2,B2,G#3)
chords "$work/bunker_drone.wav" 5 sawtooth "${bunker[@]}"
"${SOX[@]}" "$work/bunker_drone.wav" "$work/bunker_low.wav" lowpass 500 tremolo 0.4 40
notes "$work/bunker_ping.wav" 2.5 sine A5 - E5 - A5 - D#5 -
finish loc_bunker 20 85 "$work/bunker_low.wav" 1.0 "$work/bunker_ping.wav" 0.15
