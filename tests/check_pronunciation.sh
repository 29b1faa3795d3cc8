#!/usr/bin/env bash
# Every text of the lesson as espeak-ng says it with Kerbu's pronunciation table: every long
# vowel at least 1.3 times the median short vowel (two words may be left, named); no break
# between r and m; the table's phonemes are espeak-ng's own with ":" added and "_" taken out;
# hétet, kór, tíz 1.3 times as long as hetet, kor, tizet. Short vowels dragged before an l
# (espeak-ng's phoneme table's fault) are counted, not failed.   check_pronunciation.sh PRONOUNCE
set -euo pipefail
pronounce=$1
out=$(mktemp -d) && trap 'rm -rf "$out"' EXIT
"$pronounce" >"$out/table"
"$pronounce" --plain >"$out/plain"
# Each sound on a line of its own: text, sound, milliseconds, the next sound.
sounds() { awk -F'\t' '{ n = split($2, s, " "); for (i = 1; i <= n; i++) { split(s[i], a, ":[0-9]+$"); m = substr(s[i], length(a[1]) + 2); split(s[i + 1], b, ":[0-9]+$"); print $1 "\t" a[1] "\t" m "\t" b[1] } }' "$1"; }
sounds "$out/table" >"$out/sounds"
sounds "$out/plain" >"$out/plainsounds"
short='^(A|E|i|o|u|y|Y)$'
long='^(a|e|i|o|u|y|Y):$'
median=$(awk -F'\t' -v s="$short" '$2 ~ s { print $3 }' "$out/sounds" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "median short vowel: $median ms"
for kind in plain table; do
    file=$out/sounds
    [ "$kind" = plain ] && file=$out/plainsounds
    awk -F'\t' -v l="$long" -v m="$median" '$2 ~ l && $3 < 1.3 * m { print $1 " (" $2 " " $3 " ms)" }' "$file" >"$out/short-$kind"
    echo "$kind: $(cut -d' ' -f1 "$out/short-$kind" | sort -u | wc -l) words with a long vowel under 1.3 times it;" \
        "$(awk -F'\t' -v s="$short" '$2 ~ s && $4 == "l" && $3 >= 180' "$file" | wc -l) short vowels of 180 ms or more before l"
done
sed 's/^/  left: /' "$out/short-table"
[ "$(cut -d' ' -f1 "$out/short-table" | sort -u | wc -l)" -le 2 ] || exit 1
# A break ("_") between r and m.
if awk -F'\t' '$2 ~ /^R/ && $4 == "_" { r = $1 } $2 == "_" && $4 == "m" && $1 == r { print $1; found = 1 } END { exit !found }' "$out/sounds"; then
    echo "a break between r and m is left"; exit 1
fi
# The table against espeak-ng's own phonemes: the same, but for ":" and "_" taken out.
"$pronounce" --table | awk -F'\t' '{ ours = $2; own = $3; gsub(/::/, ":", ours); gsub(/_/, "", ours); gsub(/_/, "", own); if (ours != own) { print "the table changes a sound of " $1 ": " $2 " against " $3; bad = 1 } } END { exit bad }'
# The pairs: the long vowel held at least 1.3 times as long as the short one.
"$pronounce" hetet hétet kor kór tizet tíz | awk -F'\t' '{ split($2, s, " "); for (i = 1; i <= length(s); i++) if (s[i] ~ /^(E|e:|o|o:|i|i:):/) { split(s[i], a, ":"); v[NR] = a[length(a)]; break } } END { for (p = 1; p < NR; p += 2) { printf "pair %d: %d ms against %d ms\n", (p + 1) / 2, v[p + 1], v[p]; if (v[p + 1] < 1.3 * v[p]) bad = 1 } exit bad }'
