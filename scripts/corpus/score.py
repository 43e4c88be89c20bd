#!/usr/bin/python3
"""Scores quillmark-cli's work types on the development corpus.

For every book variant and every work type the CLI accepts, runs
`quillmark-cli create --mode M --pages A-B --offset O --dry-run` on the
book's contents pages (contents types) or index pages (index types), reads
the link areas from the script it prints and compares them with the truth
taken from the PDF (see README.md beside this file for the matching rule).
The whole-book type (mode book) runs with no pages and no offset: it finds
the contents and index pages and the offset itself. Its links on the true
contents pages are scored as a contents type's, those on the true index pages
as an index type's, and links on any other page are listed after the tables.
Prints a Markdown table; --misses also lists every missed entry and every
wrong link.

The text-less variant (only with --variants textless) runs the automatic
types and, for the books marked textless_book, the whole-book type with
--ocr: the CLI reads the pages from their images. The whole-book type gets
the true offset there: body pages without text show no folio. Those runs go one after
another (one Tesseract at a time), and a table of the pages read from the
image and the seconds they took follows the scores.
"""
import argparse
import concurrent.futures
import math
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import books as corpus  # noqa: E402
import truth as truths  # noqa: E402
import viewer  # noqa: E402

MODES = ("contents", "index1", "index2", "contents-auto", "index-auto", "book")
BOOK = "book"

MAPAREA = re.compile(r'\(maparea\s+"((?:[^"\\]|\\.)*)"\s+"(?:[^"\\]|\\.)*"\s+'
                     r'\((rect|oval)\s+(-?\d+)\s+(-?\d+)\s+(-?\d+)\s+(-?\d+)\s*\)')
SELECT = re.compile(r'^select\s+(?:(\d+)\s*$|["\'].*#\s*page\s+(\d+)\s*$)')
OCR_LINE = re.compile(r"прочитаны с изображения: (.*) \(([\d,]+) с\)")
WORD = re.compile(r'\((?:word|line|char)\s+(-?\d+)\s+(-?\d+)\s+(-?\d+)\s+(-?\d+)\s+"((?:[^"\\]|\\.)*)"')


def ocr_time(stderr):
    """(pages read from the image, seconds) from the CLI's log, or None."""
    m = OCR_LINE.search(stderr)
    if not m:
        return None
    pages = 0
    for run in m.group(1).split(", "):
        first, _, last = run.partition("–")
        pages += int(last or first) - int(first) + 1
    return pages, float(m.group(2).replace(",", "."))


def kind_of(mode):
    return "contents" if mode.startswith("contents") else "index"


def parse_script(text, pages):
    """Made links from a create script: (page, target or None, [x0, y0, x1, y1]).
    The target is the page every viewer opens for the link's URL (see
    viewer.py), None when the viewers disagree or find no page."""
    links, page = [], None
    for line in text.splitlines():
        m = SELECT.match(line)
        if m:
            page = int(m.group(1) or m.group(2))
            continue
        for target, _, x, y, w, h in MAPAREA.findall(line):
            url = viewer.unescape(target)
            if not url.startswith("#"):
                continue
            x, y, w, h = int(x), int(y), int(w), int(h)
            links.append(dict(page=page, target=pages.opens(url, page), url=url,
                              box=[x, y, x + w, y + h]))
    return links


def area(b):
    return max(0, b[2] - b[0]) * max(0, b[3] - b[1])


def overlap(a, b):
    return area([max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3])])


def contains(box, x, y):
    return box[0] <= x <= box[2] and box[1] <= y <= box[3]


def rotated(box, angle, size):
    """The box turned with a page rotated by angle degrees (clockwise on the
    picture) about its centre: the bounding box of its turned corners."""
    if not angle:
        return box
    w, h = size
    a = math.radians(angle)
    cx, cy = w / 2, h / 2
    xs, ys = [], []
    for x, y in ((box[0], box[1]), (box[0], box[3]), (box[2], box[1]), (box[2], box[3])):
        # Picture coordinates have y down; the page's have y up.
        px, py = x - cx, (h - y) - cy
        rx, ry = cx + px * math.cos(a) - py * math.sin(a), cy + px * math.sin(a) + py * math.cos(a)
        xs.append(rx)
        ys.append(h - ry)
    return [round(min(xs)), round(min(ys)), round(max(xs)), round(max(ys))]


def matches(kind, made, entry):
    if made["page"] != entry["page"]:
        return False
    if kind == "contents":
        n = entry["number_rect"]
        return contains(made["box"], (n[0] + n[2]) / 2, (n[1] + n[3]) / 2)
    return overlap(made["box"], entry["rect"]) >= 0.5 * min(area(made["box"]), area(entry["rect"]))


def score(kind, made, entries):
    """One made link per truth entry: right (same target), wrong (another target)."""
    used = set()
    right, wrong_target, missed = 0, [], []
    for e in entries:
        hit = next((i for i, m in enumerate(made)
                    if i not in used and m["target"] == e["target"] and matches(kind, m, e)), None)
        if hit is None:
            missed.append(e)
            continue
        used.add(hit)
        right += 1
    extra = [m for i, m in enumerate(made) if i not in used]
    for m in extra:
        if any(matches(kind, m, e) for e in entries):
            wrong_target.append(m)
    return right, missed, extra, wrong_target


def text_words(djvu, pages):
    """Words (or lines, chars) of the text layer: page -> [(box, text)]."""
    script = "; ".join(f"select {n}; size; output-txt" for n in pages)
    out = subprocess.run(["djvused", djvu, "-e", script], check=True,
                         capture_output=True, text=True).stdout
    words, page = {}, None
    it = iter(pages)
    for line in out.splitlines():
        if line.startswith("width="):
            page = next(it)
            words[page] = []
        for x0, y0, x1, y1, t in WORD.findall(line):
            words[page].append(([int(x0), int(y0), int(x1), int(y1)], t))
    return words


def reachable(entry, words):
    """False when no word over the entry's number holds a digit (or, for a
    roman number, a roman letter): the OCR lost the number entirely."""
    want = re.compile(r"[ivxlcIVXLC]" if entry["roman"] else r"\d")
    return any(overlap(box, entry["number_rect"]) > 0 and want.search(t)
               for box, t in words.get(entry["page"], []))


def turned_truth(book, variant, truth):
    """The truth entries of a variant: rotated with the page for scan-like ones."""
    angle = 0.0
    meta = os.path.join(corpus.book_dir(book), variant + ".json")
    if variant == "scan" and os.path.exists(meta):
        import json
        with open(meta) as f:
            angle = json.load(f)["angle"]
    if not angle:
        return truth
    pages = sorted({e["page"] for e in truth["contents"] + truth["index"]})
    sizes = truths.djvu_sizes(corpus.variant_path(book, variant), pages)
    out = dict(truth)
    for kind in ("contents", "index"):
        out[kind] = [dict(e, number_rect=rotated(e["number_rect"], angle, sizes[e["page"]]),
                          rect=rotated(e["rect"], angle, sizes[e["page"]]),
                          link_rects=[rotated(r, angle, sizes[e["page"]]) for r in e.get("link_rects", [])])
                     for e in truth[kind]]
    return out


class Cli:
    def __init__(self, path):
        self.path = path
        self.known = {}

    def run(self, args):
        return subprocess.run([self.path, "create"] + args, capture_output=True, text=True)

    def accepts(self, option_args, djvu):
        """True when the CLI takes these options (exit status 2 is a usage error)."""
        key = " ".join(option_args)
        if key not in self.known:
            r = self.run(option_args + ["--pages", "1-1", "--dry-run", djvu])
            self.known[key] = r.returncode != 2
        return self.known[key]


def plan(args, cli):
    """The runs to make: (book, variant, mode, CLI arguments), and the modes
    this CLI does not offer."""
    probe = corpus.variant_path(corpus.BOOKS[0], "typeset")
    modes = [m for m in args.modes if cli.accepts(["--mode", m], probe)]
    roman = cli.accepts(["--roman-offset", "0"], probe)
    runs = []
    for book in corpus.BOOKS:
        if args.books and book["id"] not in args.books:
            continue
        truth = truths.load(book)
        textless = bool(args.variants) and corpus.TEXTLESS in args.variants
        for variant in corpus.variants(book, textless):
            if args.variants and variant not in args.variants:
                continue
            if not os.path.exists(corpus.variant_path(book, variant)):
                print(f"{book['id']}: {variant} not built; left out", file=sys.stderr)
                continue
            # The text-less book is read from its images: the automatic types
            # only, the whole book where its time allows.
            ocr = ["--ocr"] if variant == corpus.TEXTLESS else []
            for mode in modes:
                if ocr and not (mode.endswith("-auto") or (mode == BOOK and book.get("textless_book"))):
                    continue
                if mode == BOOK:
                    # A book without hidden text shows no folio: its offset is given.
                    offset = ["--offset", str(truth["offset"])] if ocr else []
                    runs.append((book, variant, mode, ["--mode", mode, "--dry-run"] + ocr + offset +
                                 [corpus.variant_path(book, variant)]))
                    continue
                first, last = corpus.page_range(book, kind_of(mode), variant)
                cmd = ["--mode", mode, "--pages", f"{first}-{last}", "--dry-run"] + ocr + [
                       "--offset", "auto" if args.offset_auto else str(truth["offset"])]
                if mode.endswith("-auto") and roman and truth["roman_offset"] is not None:
                    cmd += ["--roman-offset", str(truth["roman_offset"])]
                runs.append((book, variant, mode, cmd + [corpus.variant_path(book, variant)]))
    return runs, [m for m in args.modes if m not in modes]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    corpus.add_run_arguments(ap, MODES)
    ap.add_argument("--offset-auto", action="store_true",
                    help="pass --offset auto instead of the true offset")
    ap.add_argument("--misses", action="store_true", help="list missed entries and wrong links")
    ap.add_argument("-j", "--jobs", type=int, default=2, help="CLI runs at once (default 2)")
    args = ap.parse_args()
    if not os.access(args.cli, os.X_OK):
        raise SystemExit(f"quillmark-cli not found at {args.cli} (build it or give --cli)")
    cli = Cli(args.cli)
    started = time.time()
    runs, not_offered = plan(args, cli)
    # quillmark-cli locks a document while it works on it, dry runs too: the
    # runs on one document go one after another, documents side by side; the
    # runs that read pages with Tesseract all go one after another.
    by_document = {}
    for i, run in enumerate(runs):
        by_document.setdefault("--ocr" if "--ocr" in run[3] else run[3][-1], []).append(i)
    results = [None] * len(runs)

    def run_document(indexes):
        for i in indexes:
            results[i] = cli.run(runs[i][3])

    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        list(pool.map(run_document, by_document.values()))
    rows, totals, layers, off_parts, ocr_rows = [], {}, {}, [], []
    for (book, variant, mode, cmd), r in zip(runs, results):
        if r.returncode != 0:
            reason = r.stderr.strip().splitlines()[-1] if r.stderr.strip() else f"exit status {r.returncode}"
            rows.append([book["id"], variant, mode, "", "", "", "", "", "", "", "", f"failed: {reason}"])
            continue
        key = (book["id"], variant)
        if key not in layers:
            # A text-less page has no words to lose a number: every entry is reachable.
            layers[key] = (turned_truth(book, variant, truths.load(book)),
                           {} if variant == corpus.TEXTLESS else
                           text_words(corpus.variant_path(book, variant),
                                      corpus.pages(book, "contents", variant) + corpus.pages(book, "index", variant)))
        read = ocr_time(r.stderr)
        if read:
            ocr_rows.append((book["id"], mode) + read)
        made = parse_script(r.stdout, viewer.Pages.of(corpus.variant_path(book, variant)))
        if mode == BOOK:
            true_pages = set(corpus.pages(book, "contents") + corpus.pages(book, "index"))
            off = [m["page"] for m in made if m["page"] not in true_pages]
            off_parts.append((book["id"], variant, len(off), sorted(set(off))))
        for kind in ("contents", "index") if mode == BOOK else (kind_of(mode),):
            row, counts = score_run(book, variant, mode, kind, cmd, made, layers[key], args.misses)
            rows.append(row)
            total = totals.setdefault((variant, row[2]), [0] * 5)
            totals[(variant, row[2])] = [a + b for a, b in zip(total, counts)]
    header = ["book", "variant", "mode", "pages", "offset", "truth", "unreachable", "made",
              "right", "wrong page", "recall", "precision"]
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print("\n| all books | mode | truth | unreachable | made | right | wrong page | recall | precision |")
    print("|" + "---|" * 9)
    for (variant, mode), counts in totals.items():
        print("| " + " | ".join([variant, mode] + [str(c) for c in counts] + ratios(counts)) + " |")
    if off_parts:
        print("\nLinks of mode book on pages that are neither the true contents nor the true index pages:")
        for book_id, variant, count, pages in off_parts:
            print(f"- {book_id} {variant}: {count}" + (f" (pages {', '.join(map(str, pages))})" if pages else ""))
    if ocr_rows:
        print("\n| book | mode | pages read from the image | seconds | seconds per page |")
        print("|---|---|---|---|---|")
        for book_id, mode, pages, seconds in ocr_rows:
            print(f"| {book_id} | {mode} | {pages} | {seconds:.1f} | {seconds / pages:.1f} |")
    if not_offered:
        print(f"\nNot offered by this quillmark-cli: {', '.join(not_offered)}.")
    print(f"\nScored in {time.time() - started:.1f} s.", file=sys.stderr)


def score_run(book, variant, mode, kind, cmd, made, layer, misses):
    """The table row of one run's links on the true pages of one kind, and
    its counts; with `misses` every missed entry and wrong link is listed."""
    first, last = corpus.page_range(book, kind, variant)
    if mode == BOOK:
        given = cmd[cmd.index("--offset") + 1] if "--offset" in cmd else None
        mode, offset = f"{BOOK} ({kind})", f"{int(given):+d}" if given else "found"
    else:
        offset = cmd[cmd.index("--offset") + 1]
        offset = offset if offset == "auto" else f"{int(offset):+d}"
    vtruth, words = layer
    made = [m for m in made if first <= m["page"] <= last]
    entries = [e for e in vtruth[kind] if first <= e["page"] <= last]
    lost = [e for e in entries if variant != corpus.TEXTLESS and not reachable(e, words)]
    right, missed, extra_links, wrong_target = score(kind, made, entries)
    counts = [len(entries), len(lost), len(made), right, len(wrong_target)]
    if misses:
        lost_ids = {id(e) for e in lost}
        for e in missed:
            tag = "unreachable" if id(e) in lost_ids else "missed"
            print(f"{book['id']} {variant} {mode}: {tag} page {e['page']} "
                  f"number {e['number']} -> #{e['target']} at {e['number_rect']}", file=sys.stderr)
        wrong_ids = {id(m) for m in wrong_target}
        for m in extra_links:
            tag = "wrong page" if id(m) in wrong_ids else "extra link"
            print(f"{book['id']} {variant} {mode}: {tag} page {m['page']} "
                  f"-> {m['url']} (opens {m['target']}) at {m['box']}", file=sys.stderr)
    row = [book["id"], variant, mode, f"{first}-{last}", offset] + [str(c) for c in counts] + ratios(counts)
    return row, counts


def ratios(counts):
    """Recall over the reachable entries, and precision."""
    truth, lost, made, right, _ = counts
    reach = truth - lost
    return [f"{right / reach:.3f}" if reach else "-", f"{right / made:.3f}" if made else "-"]


if __name__ == "__main__":
    main()
