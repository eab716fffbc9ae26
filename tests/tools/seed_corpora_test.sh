#!/usr/bin/env bash
# Builds the fuzz seed corpora from an installation folder holding a thousand bitmaps, enough
# that the sorted list of them overflows a pipe: the script must still take the twelve smallest
# and end with status 0 (a reader that stops early must not leave a writer to die of SIGPIPE).
#   seed_corpora_test.sh SOURCE_FOLDER
set -euo pipefail

source_folder="$1"

fail() {
    echo "seed_corpora_test: $*" >&2
    exit 1
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/An Installation Folder With A Long Name/pictures of the lessons"
mkdir -p "$stage"

# A 2 x 2 bitmap, 24 bits a pixel: file header, information header, two padded rows.
bitmap() {
    printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00'
    printf '\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00'
    printf '\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00'
    printf '\xff\x00\x00\x00\xff\x00\x00\x00\x00\x00\xff\xff\xff\xff\x00\x00'
}
long="a picture of a lesson with a name long enough to fill the sorted list of pictures quickly"
for ((i = 1; i <= 1000; i++)); do
    bitmap >"$stage/$long $i.bmp" # printf is built in: no new process for each picture
done

bash "$source_folder/tests/fuzz/seed_corpora.sh" "$work" "$source_folder" "$work/seeds"

bitmaps=$(find "$work/seeds/picture_fuzz" -name '*.bmp' | wc -l)
icons=$(find "$work/seeds/picture_fuzz" -name '*.ico' | wc -l)
[ "$bitmaps" -eq 12 ] || fail "$bitmaps bitmaps in the picture seeds, expected the 12 smallest"
[ "$icons" -eq 4 ] || fail "$icons icons in the picture seeds, expected 4 made from bitmaps"
for icon in "$work"/seeds/picture_fuzz/*.ico; do
    # Icon directory, one image, and the bitmap's 40-byte header inside it at offset 22.
    [ "$(od -An -tx1 -N6 "$icon" | tr -d ' ')" = 000001000100 ] || fail "$icon: no icon directory"
    [ "$(od -An -tu4 -j22 -N4 "$icon" | tr -d ' ')" -eq 40 ] || fail "$icon: no bitmap header"
    [ "$(od -An -tu4 -j30 -N4 "$icon" | tr -d ' ')" -eq 4 ] || fail "$icon: height not doubled"
done
[ -n "$(ls "$work/seeds/catalogue_fuzz")" ] || fail "no lesson folder in the catalogue seeds"
[ -n "$(ls "$work/seeds/sitemap_fuzz")" ] || fail "no help contents in the sitemap seeds"
echo "seed_corpora_test: 12 bitmaps and 4 icons of 1000 pictures"
