#!/usr/bin/env bash
# The committed demo world is exactly what its generators write: runs
# make_texts.py, make_pictures.sh and make_music.sh on a copy of the scripts
# and compares every file with demo/Data. Usage: generated.sh DEMO WORK
set -euo pipefail
demo=$(cd "$1" && pwd)
work=$2
for tool in python3 convert sox lame; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
font=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
[ -f "$font" ] || { echo "skipped: $font is missing"; exit 77; }
rm -rf "$work"
mkdir -p "$work"
cp "$demo"/*.py "$demo"/*.sh "$work"/
cd "$work"
python3 make_texts.py
bash make_pictures.sh
bash make_music.sh Data/music >/dev/null
if ! diff -r "$demo/Data" "$work/Data"; then
  echo "demo/Data differs from what its generators write (see above): run them" \
    "in demo/ and commit the result, or change the generators instead" >&2
  exit 1
fi
echo "demo/Data equals its generators' output"
