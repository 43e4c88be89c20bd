#!/usr/bin/python3
"""Draws one page of a corpus book with its truth and the links a work type
makes, to check by eye that the boxes land on the entries.

Usage: draw.py BOOK PAGE MODE [VARIANT] [--cli PATH]
Green: the printed numbers of the truth entries; blue: the PDF's own link
boxes; red: the areas quillmark-cli made (MODE "none" draws no areas).
Writes $CACHE/draw/BOOK-VARIANT-pPAGE-MODE.png and prints its path.
"""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import books as corpus  # noqa: E402
import score  # noqa: E402
import truth as truths  # noqa: E402
import viewer  # noqa: E402

SCALE = 2  # the picture is half the page's size


def rectangle(box, height):
    x0, y0, x1, y1 = box
    return f"rectangle {x0 // SCALE},{(height - y1) // SCALE} {x1 // SCALE},{(height - y0) // SCALE}"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("book")
    ap.add_argument("page", type=int)
    ap.add_argument("mode")
    ap.add_argument("variant", nargs="?", default="typeset")
    ap.add_argument("--cli", default=os.environ.get("QUILLMARK_CLI", os.path.join(
        corpus.REPO, "build", "src", "cli", "quillmark-cli")))
    args = ap.parse_args()
    book = next((b for b in corpus.BOOKS if b["id"] == args.book), None)
    if book is None:
        raise SystemExit(f"unknown book {args.book}; books: {', '.join(b['id'] for b in corpus.BOOKS)}")
    djvu = corpus.variant_path(book, args.variant)
    truth = score.turned_truth(book, args.variant, truths.load(book))
    width, height = truths.djvu_sizes(djvu, [args.page])[args.page]
    out_dir = os.path.join(corpus.CACHE, "draw")
    os.makedirs(out_dir, exist_ok=True)
    base = os.path.join(out_dir, f"{args.book}-{args.variant}-p{args.page}-{args.mode}")
    subprocess.run(["ddjvu", "-format=ppm", f"-page={args.page}",
                    f"-size={width // SCALE}x{height // SCALE}", djvu, base + ".ppm"], check=True)
    draw = ["-fill", "none", "-strokewidth", "2"]
    entries = [e for e in truth["contents"] + truth["index"] if e["page"] == args.page]
    draw += ["-stroke", "blue"]
    for e in entries:
        for r in e.get("link_rects", []):
            draw += ["-draw", rectangle(r, height)]
    draw += ["-stroke", "green"]
    for e in entries:
        draw += ["-draw", rectangle(e["number_rect"], height)]
    if args.mode != "none":
        r = subprocess.run([args.cli, "create", "--mode", args.mode, "--pages", f"{args.page}-{args.page}",
                            "--offset", str(truth["offset"]), "--dry-run", djvu],
                           capture_output=True, text=True)
        if r.returncode != 0:
            raise SystemExit(f"quillmark-cli failed:\n{r.stderr}")
        draw += ["-stroke", "red", "-strokewidth", "1"]
        for m in score.parse_script(r.stdout, viewer.Pages.of(djvu)):
            draw += ["-draw", rectangle(m["box"], height)]
    subprocess.run([corpus.CONVERT, base + ".ppm"] + draw + [base + ".png"], check=True)
    os.remove(base + ".ppm")
    print(base + ".png")


if __name__ == "__main__":
    main()
