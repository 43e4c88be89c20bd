#!/usr/bin/env bash
# Makes the seed files of fuzz/corpus/ from real djvused dumps of a small
# document built here (cjb2, djvm, djvused). Run once; the fuzzers add to the
# corpus from there.
set -euo pipefail
cd "$(dirname "$0")"
corpus=$PWD/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

W=1240; H=1754; B=$(( (W+7)/8 ))
{ printf 'P4\n%d %d\n' $W $H; head -c $((B*H)) /dev/zero; } > blank.pbm
cjb2 blank.pbm blank.djvu
for n in p1 p2 p3 p4 "Глава 5"; do cp blank.djvu "$n.djvu"; done
djvm -c book.djvu p1.djvu p2.djvu p3.djvu p4.djvu "Глава 5.djvu"
cat > layers.dsed <<'DSED'
select 2
set-txt
(page 0 0 1240 1754
 (line 100 1600 1140 1640
  (word 100 1600 400 1640 "Содержание"))
 (line 100 1500 1140 1540
  (word 100 1500 300 1540 "Введение")
  (word 1080 1500 1140 1540 "3"))
 (line 100 1400 1140 1440
  (word 100 1400 300 1440 "Глава")
  (word 310 1400 340 1440 "1")
  (word 1080 1400 1140 1440 "•"))
 (line 100 1300 1140 1340
  (word 100 1300 300 1340 "a\tb")
  (word 1080 1300 1140 1340 "12")))
.
select 3
set-txt
(page 0 0 1240 1754
 (column 100 200 1140 1700
  (para 100 200 1140 1700
   (line 100 1500 1140 1540
    (word 100 1500 140 1540
     (char 100 1500 120 1540 "T")
     (char 120 1500 140 1540 "o"))
    (word 1080 1500 1140 1540 "42"))
   (line 100 1400 1140 1440 "Chapter 2 .... 27"))))
.
set-ant
(maparea "#5" "" (rect 100 1500 1040 40 ) (xor ) ) (maparea "#6" "" (rect 300 1400 840 40 ) (xor ) ) 
.
select 4
set-txt
(page 0 0 1240 1754
 (line 100 1500 1140 1540
  (word 100 1500 300 1540 "Абрикос,")
  (word 310 1500 400 1540 "12,")
  (word 410 1500 500 1540 "15")))
.
set-ant
(maparea "#3" "" (oval 210 950 830 64 ) (border #FF0000 ) (border_avis ) ) 
(maparea "http://x.org/correct" "" (poly 10 10 50 10 50 50) (xor))
.
select 5
set-ant
(maparea "#2" "\320\223\320\273\320\260\320\262\320\260" (rect 10 20 30 40) (none))
.
DSED
djvused book.djvu -f layers.dsed -s
djvused book.djvu -e 'set-page-title "Chapter One"; select 2; set-page-title "Contents"' -s 2>/dev/null || true

mkdir -p "$corpus/text_scan" "$corpus/component_list" "$corpus/fix_passes"
djvused book.djvu -e output-txt > txt.dsed
# The first line of a text-scan input holds the settings bytes.
for settings in 'A' 'Bz' 'C' 'D!'; do
  { printf '%s\x01\x04\x80\x01\n' "$settings"; cat txt.dsed; } > "$corpus/text_scan/seed-$settings"
done
djvused book.djvu -e ls > "$corpus/component_list/seed-ls"
printf '     I       40  shared.djvi\n   1 P       93  p1.djvu\n     A       44  shared_anno.iff\n   2 P      296  p2.djvu T=Chapter One\n10000 P       69  q10000.djvu\n   3 P      162  single page.djvu F=x.djvu\n     T           <thumbnails>\n' > "$corpus/component_list/seed-kinds"
djvused book.djvu -e output-ant > "$corpus/fix_passes/seed-ant"
printf 'select; remove-ant\n# ------------------------- \nselect "p2.djvu" # page 2\nset-ant\n(maparea "#12" "" (rect 210 950 1830 64 ) (xor ) ) (maparea "#19" "" (oval 210 870 1830 80 ) (xor ) ) \r\n.\n' > "$corpus/fix_passes/seed-crlf"
printf 'select; remove-ant\nselect "p2.djvu" # page 2\nset-ant\n(maparea   "#5"\n     "(rect 1 2 3 4)"\n   (rect   10   20 30 40) (none))\n(maparea (url "#6" "_self") "" (oval 5 6 7 8))\n(maparea "http://x.org/" "" (rect 1 2 3 4)) (maparea "mailto:a@x.org" "" (oval 1 2 3 4))\n(maparea "" "" (text 1 2 3 4)) (maparea "#7" "" (poly 1 1 9 1 9 9))\n.\n' > "$corpus/fix_passes/seed-links"

# Seeds of the readers of a page's own text and annotations, written by hand:
# a chunk another tool wrote with commands after a line ".", garbage djvused
# stores, zone trees of contents, index and running-head pages, and titles.
mkdir -p "$corpus/annotation_merge" "$corpus/auto_links" "$corpus/page_folios" "$corpus/outline_title"
printf '(background #ffffff)\n.\nselect; remove-txt\nselect 1\nset-ant\n(background #ffffff)\n' > "$corpus/annotation_merge/seed-crafted"
printf '(maparea "#5" "" (rect 120 1510 50 20 ) (xor ) )\n; comment-like garbage\n(zoom page)' > "$corpus/annotation_merge/seed-garbage"
printf '(background\n.\n#ffffff)\n(maparea "#2" "a\\nb" (rect 1000 1410 50 20)\n.\n(xor))\r\n(maparea (url "#3" "_self") "" (oval 1 2 3 4))' > "$corpus/annotation_merge/seed-dot-record"
printf '(maparea "#5" "" (rect 100 1400 500 40)\n.\nsave-bundled /tmp/x\n(metadata (Title "\\"))' > "$corpus/annotation_merge/seed-unbalanced"
printf '(zoom 100) (mode bw)\n(maparea "http://x.org/" "" (poly 10 10 50 10 50 50) (xor))\n(maparea "" "note" (text 100 1400 300 50) (pushpin))\n(maparea "" "" (line 100 1400 600 1440) (arrow))' > "$corpus/annotation_merge/seed-shapes"
contents='(page 0 0 1240 1754
 (line 100 1600 1140 1640 (word 100 1600 400 1640 "Содержание"))
 (line 100 1500 1140 1540 (word 100 1500 300 1540 "Введение") (word 310 1500 800 1540 "........") (word 1080 1500 1140 1540 "3"))
 (line 100 1400 1140 1440 (word 100 1400 300 1440 "Глава") (word 310 1400 340 1440 "\\"1\\"\\n.") (word 1080 1400 1140 1440 "xiv"))
 (line 100 1300 1140 1340 (word 100 1300 300 1340 "\\033[31m)") (word 1080 1300 1140 1340 "l5")))'
printf '\004\200\005\377\n%s' "$contents" > "$corpus/auto_links/seed-contents"
printf '\001\176\000\040\n(page 0 0 1240 1754 (line 100 1500 1140 1540 (word 100 1500 300 1540 "Абрикос,") (word 310 1500 400 1540 "12,") (word 410 1500 500 1540 "15-17")) (line 100 1400 1140 1440 (word 100 1400 300 1440 "—") (word 310 1400 400 1440 "см.") (word 410 1400 500 1440 "iv")))' > "$corpus/auto_links/seed-index"
printf '(page 0 0 1240 1754 (line 580 1700 660 1740 (word 580 1700 660 1740 "17")) (line 100 1000 1140 1040 (word 100 1000 300 1040 "Текст")) (line 600 50 640 90 (word 600 50 640 90 "xiv")))' > "$corpus/page_folios/seed-head-foot"
printf '(page 0 0 1240 1754 (line 580 1700 660 1740 (word 580 1700 660 1740 "2147483647")) (line 600 50 640 90 (word 600 50 640 90 "-3")))' > "$corpus/page_folios/seed-extremes"
printf 'Глава "1" \\ )\n.\nselect; remove-txt\n.' > "$corpus/outline_title/seed-commands"
printf '1.1 Введение ........ 3\r\n\033[31m\001' > "$corpus/outline_title/seed-leaders"
printf 'select; remove-ant\n# ------------------------- \nselect "p1.djvu" # page 1\nset-ant\n(maparea "#2" "" (rect 100 10 300 5) (xor))\n(background #ffffff)\n.\nselect; remove-txt\nselect 1\nset-ant\n(background #ffffff)\n\n.\n# ------------------------- \nselect "p2.djvu" # page 2\nset-ant\n(maparea "#2" "" (rect 150 20 700 5) (xor))\n.\n' > "$corpus/fix_passes/seed-crafted"
