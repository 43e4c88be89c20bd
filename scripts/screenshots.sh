#!/usr/bin/env bash
# Starts Quillmark under Xvfb on a small contents book and saves screenshots of
# the main window on each tab, of the log window after a "Создать" run, of
# the settings dialog and of the preview window into docs/screenshots/ (or the
# folder given). The preview shows the contents page of the real-book corpus's
# mpman-ru (scripts/corpus/build.sh) when it is there, else the small book's.
# Needs: xvfb (xvfb-run), djvulibre-bin (cjb2, djvm, djvused), a built program.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshots}")"
program="${QUILLMARK:-build/src/app/quillmark}"
[ -x "$program" ] || { echo "screenshots.sh: $program not built (run scripts/setup.sh)" >&2; exit 1; }
for tool in xvfb-run cjb2 djvm djvused; do
  command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done
mkdir -p "$out"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program runs from a copy so its settings file and temporary files stay
# out of the build tree.
cp "$program" "$work/quillmark"

# Three white pages; the first holds a contents page's hidden text.
width=1240 height=1754
{ printf 'P4\n%d %d\n' "$width" "$height"; head -c $(( (width + 7) / 8 * height )) /dev/zero; } > "$work/page.pbm"
cjb2 "$work/page.pbm" "$work/page.djvu"
for i in 1 2 3; do cp "$work/page.djvu" "$work/p$i.djvu"; done
book="$work/Book.djvu"
djvm -c "$book" "$work/p1.djvu" "$work/p2.djvu" "$work/p3.djvu"
line() {  # bottom top words... (20 px per character, 20 px between words)
  local bottom=$1 top=$2 left=100 words="" word right
  shift 2
  for word in "$@"; do
    right=$(( left + 20 * ${#word} ))
    words+=" (word $left $bottom $right $top \"$word\")"
    left=$(( right + 20 ))
  done
  printf ' (line 100 %d %d %d%s)\n' "$bottom" $(( left - 20 )) "$top" "$words"
}
{
  echo 'select 1'
  echo 'set-txt'
  echo "(page 0 0 $width $height"
  line 1500 1540 Contents
  line 1400 1440 Introduction 2
  line 1340 1380 The first chapter 2
  line 1280 1320 The second chapter 3
  echo ')'
  echo '.'
} > "$work/text.dsed"
djvused "$book" -f "$work/text.dsed" -s

# The preview's row: file, first and last page, work type (3: contents, automatic), offset.
preview="$book 1 1 0 0"
corpus_book="${QUILLMARK_CORPUS:-$HOME/.cache/quillmark-corpus}/mpman-ru/typeset.djvu"
if [ -f "$corpus_book" ]; then
  cp "$corpus_book" "$work/mpman.djvu"
  preview="$work/mpman.djvu 3 3 3 1"
fi

LANGUAGE=ru QUILLMARK_SCREENSHOTS="$out" QUILLMARK_SCREENSHOT_BOOK="$book" QUILLMARK_SCREENSHOT_PREVIEW="$preview" \
  xvfb-run -a -s "-screen 0 1024x768x24" "$work/quillmark"
echo "Links made in the book:"
djvused "$book" -e output-ant
