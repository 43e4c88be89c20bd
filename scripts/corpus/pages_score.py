#!/usr/bin/env python3
"""Checks `quillmark-cli pages` against the corpus truth: for every book and
variant, the contents and index ranges it finds in the whole book against the
true ones (read off each book, books.py), and the book's main offset against
the truth's body offset.

scripts/corpus/pages_score.py [--cli PATH] [--books ...] [--variants ...]

Prints a Markdown table; "exact" is yes when the main contents list and the
index (the parts of kind index taken together) are the true ranges and the
offset is the true one. The exit status is 1 when one of them differs.
"""
import argparse
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import books as corpus  # noqa: E402


def survey(cli, path):
    out = subprocess.run(["nice", cli, "pages", "--json", path], capture_output=True, text=True)
    if out.returncode != 0:
        raise RuntimeError(out.stderr)
    return json.loads(out.stdout)


def span(pages):
    return (min(pages), max(pages)) if pages else None


def text(pages):
    return f"{pages[0]}–{pages[1]}" if pages else "none"


def row(book, variant, found, offset):
    parts = found["parts"]
    main = next(((p["first"], p["last"]) for p in parts if p["main"]), None)
    others = [f"{p['kind']} {p['first']}–{p['last']}" for p in parts if p["kind"] != "index" and not p["main"]]
    index = span([n for p in parts if p["kind"] == "index" for n in (p["first"], p["last"])])
    exact = main == tuple(book["contents"]) and index == tuple(book["index"]) and found["offset"] == offset
    got = f"{found['offset']:+d}" if found["offset"] is not None else "none"
    print(f"| {book['id']} | {variant} | {text(book['contents'])} | {text(main)} | {', '.join(others) or '-'} "
          f"| {text(book['index'])} | {text(index)} | {got} / {offset:+d} | {'yes' if exact else 'no'} |")
    return exact


def main():
    parser = argparse.ArgumentParser()
    corpus.add_run_arguments(parser, ())
    args = parser.parse_args()
    print("| book | variant | contents (true) | main contents found | other lists found | index (true) "
          "| index found | offset (found / true) | exact |")
    print("|---|---|---|---|---|---|---|---|---|")
    all_exact = True
    for book in corpus.BOOKS:
        if args.books and book["id"] not in args.books:
            continue
        with open(corpus.truth_path(book)) as f:
            offset = json.load(f)["offset"]
        for variant in corpus.variants(book):
            path = corpus.variant_path(book, variant)
            if (args.variants and variant not in args.variants) or not os.path.exists(path):
                continue
            all_exact &= row(book, variant, survey(args.cli, path), offset)
    return 0 if all_exact else 1


if __name__ == "__main__":
    sys.exit(main())
