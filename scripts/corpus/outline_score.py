#!/usr/bin/python3
"""Scores the outline quillmark-cli makes from each book's contents pages.

Runs `quillmark-cli create --mode M --pages A-B --offset O --outline
--dry-run` on every book variant (M: contents and contents-auto), reads the
set-outline data from the script it prints and compares the bookmarks with
the PDF's own outline (truth.json "outline"). Each bookmark is paired, in
order, with the outline entry ahead of the last pair whose title is most
alike (the first twelve entries ahead are looked at). Titles count as equal
after Unicode normalisation, case folding and blanks collapsed, with a
leading label ("Appendix", a section number, an appendix letter) left out on
both sides (the PDF outlines leave it out
where the contents shows it); "no blanks" compares them with every blank left
out (the PDF's text layer lost the blanks of some titles). Levels and targets
are compared over the paired bookmarks.
"""
import argparse
import difflib
import os
import re
import subprocess
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import books as corpus  # noqa: E402
import truth as truths  # noqa: E402
import viewer  # noqa: E402

MODES = ("contents", "contents-auto")
# A leading label: "Appendix", "Приложение", a section number ("3.1", "B.2"),
# an appendix letter or a part's Roman number.
NUMBERING = re.compile(r"^(?:(?:appendix|приложение)\s*)?(?:\d+(?:\.\d+)*\.?|[A-ZА-Я](?:\.\d+)+\.?|[A-ZА-Я]\s|[IVX]+\s)\s*(?=\S)",
                       re.IGNORECASE)
TOKEN = re.compile(r'"((?:[^"\\]|\\.)*)"|(\()|(\))')


def outline_of(script, pages):
    """[level, title, target] of the set-outline data in a create script; the
    target is the page every viewer opens for the bookmark's URL (viewer.py)."""
    lines = script.splitlines()
    if "set-outline" not in lines:
        return []
    data = "\n".join(lines[lines.index("set-outline") + 1:])
    bookmarks, depth, strings = [], 0, []
    for m in TOKEN.finditer(data):
        if m.group(2):
            depth += 1
        elif m.group(3):
            depth -= 1
        else:
            strings.append(viewer.unescape(m.group(1)))
            if len(strings) == 2:
                bookmarks.append([depth - 1, strings[0], pages.opens(strings[1])])
                strings = []
    return bookmarks


def norm(title, blanks=True):
    t = " ".join(unicodedata.normalize("NFKC", title).split())
    t = NUMBERING.sub("", t).casefold()
    return t if blanks else t.replace(" ", "")


def pair(made, truth):
    """(made bookmark, truth entry) pairs in order."""
    pairs, at = [], 0
    for b in made:
        best, best_ratio = None, 0.0
        for k in range(at, min(at + 12, len(truth))):
            ratio = difflib.SequenceMatcher(None, norm(b[1], False), norm(truth[k][1], False)).ratio()
            if truth[k][2] == b[2]:
                ratio += 0.2
            if ratio > best_ratio:
                best, best_ratio = k, ratio
        if best is not None and best_ratio >= 0.6:
            pairs.append((b, truth[best]))
            at = best + 1
    return pairs


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    corpus.add_run_arguments(ap, MODES)
    ap.add_argument("--misses", action="store_true", help="list bookmarks whose title or level differs")
    args = ap.parse_args()
    header = ["book", "variant", "mode", "outline", "made", "paired", "titles equal", "no blanks",
              "levels equal", "targets equal"]
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    totals = {}
    for book in corpus.BOOKS:
        if args.books and book["id"] not in args.books:
            continue
        truth = truths.load(book)
        outline = truth.get("outline") or []
        for variant in corpus.variants(book):
            if args.variants and variant not in args.variants:
                continue
            path = corpus.variant_path(book, variant)
            if not os.path.exists(path):
                continue
            first, last = corpus.page_range(book, "contents", variant)
            # The truth: the outline entries whose targets the contents pages of the variant lead to.
            targets = {e["target"] for e in truth["contents"] if first <= e["page"] <= last}
            lo, hi = min(targets), max(targets)
            expected = [o for o in outline if lo <= o[2] <= hi]
            for mode in args.modes:
                cmd = [args.cli, "create", "--mode", mode, "--pages", f"{first}-{last}", "--offset",
                       str(truth["offset"]), "--outline", "--dry-run", path]
                if mode.endswith("-auto") and truth["roman_offset"] is not None:
                    cmd[-2:-2] = ["--roman-offset", str(truth["roman_offset"])]
                r = subprocess.run(cmd, capture_output=True, text=True)
                made = outline_of(r.stdout, viewer.Pages.of(path))
                pairs = pair(made, expected)
                titles = sum(norm(b[1]) == norm(t[1]) for b, t in pairs)
                glued = sum(norm(b[1], False) == norm(t[1], False) for b, t in pairs)
                levels = sum(b[0] == t[0] for b, t in pairs)
                aimed = sum(b[2] == t[2] for b, t in pairs)
                counts = [len(expected), len(made), len(pairs), titles, glued, levels, aimed]
                key = (variant, mode)
                totals[key] = [a + b for a, b in zip(totals.get(key, [0] * 7), counts)]
                print("| " + " | ".join([book["id"], variant, mode] + cells(counts)) + " |")
                if args.misses:
                    for b, t in pairs:
                        if norm(b[1], False) != norm(t[1], False) or b[0] != t[0]:
                            print(f"{book['id']} {variant} {mode}: made {b} truth {t}", file=sys.stderr)
    print("\n| all books | mode | outline | made | paired | titles equal | no blanks | levels equal | targets equal |")
    print("|" + "---|" * 9)
    for (variant, mode), counts in totals.items():
        print("| " + " | ".join([variant, mode] + cells(counts)) + " |")


def cells(counts):
    expected, made, paired, *rest = counts
    share = [f"{c} ({c / paired:.3f})" if paired else str(c) for c in rest]
    return [str(expected), str(made), str(paired)] + share


if __name__ == "__main__":
    main()
