#!/usr/bin/env bash
# Builds each fuzz target's seed corpus from the files the course ships:
#   seed_corpora.sh STAGE_FOLDER SOURCE_FOLDER OUT_FOLDER
# STAGE_FOLDER is the installation folder of a normal build (pictures and help.chm are made
# at build time); SOURCE_FOLDER the source tree (lesson files, help contents and index).
set -euo pipefail

stage="$1"
source="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"/{picture_fuzz,chm_fuzz,sitemap_fuzz,catalogue_fuzz,study_time_fuzz,saved_place_fuzz}

# The first N lines of the input. Unlike head, it reads its input to the end: under pipefail
# a writer that head has left behind would die of SIGPIPE and fail the whole script.
first() { sed -n "1,$1p"; }

# The twelve smallest pictures of each kind; bigger ones add time, not new paths.
smallest() {
    find "$stage" -type f -iname "*.$1" -printf '%s %p\n' | sort -n | first 12 | cut -d' ' -f2-
}
for kind in bmp ico jpg; do
    smallest "$kind" | while IFS= read -r file; do cp "$file" "$out/picture_fuzz/"; done
done

le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
le16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
byte() { printf "\\$(printf '%03o' "$(($1 & 255))")"; }
put32() { byte "$1"; byte $(($1 >> 8)); byte $(($1 >> 16)); byte $(($1 >> 24)); }

# The course ships no icon of its own, so the smallest bitmaps are also wrapped as icons: the
# icon directory, the bitmap without its file header (its height doubled, as icons count the
# transparency mask) and an all-opaque mask.
icon_of() {
    local bmp="$1" width height bits pixels size mask
    width=$(le32 "$bmp" 18) height=$(le32 "$bmp" 22) bits=$(le16 "$bmp" 28) pixels=$(le32 "$bmp" 10)
    [ "$width" -le 256 ] && [ "$height" -le 256 ] || return 0
    mask=$(((width + 31) / 32 * 4 * height))
    size=$(($(stat -c %s "$bmp") - 14 + mask))
    {
        printf '\x00\x00\x01\x00\x01\x00'
        byte "$width"; byte "$height"; byte 0; byte 0; byte 1; byte 0; byte "$bits"; byte 0
        put32 "$size"; put32 22
        dd if="$bmp" bs=1 skip=14 count=8 status=none
        put32 $((height * 2))
        dd if="$bmp" bs=1 skip=26 count=$((pixels - 26)) status=none
        tail -c +$((pixels + 1)) "$bmp"
        head -c "$mask" /dev/zero
    } >"$out/picture_fuzz/$(basename "$bmp" .bmp).ico"
}
smallest bmp | first 4 | while IFS= read -r file; do icon_of "$file"; done

find "$stage" -maxdepth 2 -type f -iname '*.chm' -exec cp {} "$out/chm_fuzz/" \;
cp "$source"/content/help/*.hhc "$source"/content/help/*.hhk "$out/sitemap_fuzz/"

# A lesson folder as the catalogue target reads it: its files joined by zero bytes.
for folder in "$source"/lessons/*/ "$source"/tests/data/sample_lessons/; do
    [ -f "$folder/program.txt" ] || continue
    name="$(basename "$folder")"
    pages=("$folder"/pages-*.txt)
    {
        cat "$folder/program.txt"
        printf '\0'
        cat "$folder/lessons.txt"
        printf '\0'
        cat "${pages[0]}"
        printf '\0'
        if [ "${#pages[@]}" -gt 1 ]; then cat "${pages[1]}"; fi
    } >"$out/catalogue_fuzz/$name"
done

# Study-time files and saved places as the programs write them.
for total in 0 16 2147483647; do
    printf '%s' "$total" >"$out/study_time_fuzz/total-$total"
done
printf '0\r\n12\r\n2\r\n3\r\n' >"$out/saved_place_fuzz/page-12"
printf '0\r\n1\r\n1\r\n1\r\n' >"$out/saved_place_fuzz/page-1"
