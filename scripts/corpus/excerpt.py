#!/usr/bin/python3
"""Prints an excerpt of a corpus page's text layer as djvused prints it after
`select N; output-txt` (the zone tree only): the chosen line zones with the
zones that hold them, every other line left out.

Usage: excerpt.py BOOK VARIANT PAGE FIRST-LAST [FIRST-LAST...]
(line zones counted from 1 in the order djvused prints them).
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import books as corpus  # noqa: E402

TOKEN = re.compile(r'"(?:[^"\\]|\\.)*"|[()]|[^\s()"]+')


def parse(text):
    """The zone tree: [kind, coordinates, text or None, children]."""
    tokens = TOKEN.findall(text)
    pos = 0

    def zone():
        nonlocal pos
        assert tokens[pos] == "("
        kind, coords = tokens[pos + 1], tokens[pos + 2:pos + 6]
        pos += 6
        text, kids = None, []
        while tokens[pos] != ")":
            if tokens[pos] == "(":
                kids.append(zone())
            else:
                text = tokens[pos]
                pos += 1
        pos += 1
        return [kind, coords, text, kids]
    return zone()


def keep_lines(node, wanted, counter):
    """Drops the line zones not wanted, and zones left without lines."""
    kind, coords, text, kids = node
    if kind == "line":
        counter[0] += 1
        return node if counter[0] in wanted else None
    kept = [k for k in (keep_lines(k, wanted, counter) for k in kids) if k is not None]
    if kids and not kept and kind not in ("word", "char"):
        return None
    return [kind, coords, text, kept]


def show(node, depth, out):
    kind, coords, text, kids = node
    head = " " * depth + "(" + " ".join([kind] + coords)
    if text is not None:
        out.append(head + " " + text + ")")
        return
    out.append(head)
    for k in kids:
        show(k, depth + 1, out)
    out[-1] += ")"


def main(argv):
    if len(argv) < 5:
        raise SystemExit(__doc__)
    book = next(b for b in corpus.BOOKS if b["id"] == argv[1])
    page = int(argv[3])
    wanted = set()
    for r in argv[4:]:
        first, last = (int(v) for v in r.split("-"))
        wanted |= set(range(first, last + 1))
    dump = subprocess.run(["djvused", corpus.variant_path(book, argv[2]), "-e", f"select {page}; output-txt"],
                          check=True, capture_output=True, text=True).stdout
    tree = keep_lines(parse(dump[dump.index("("):]), wanted, [0])
    out = []
    show(tree, 0, out)
    print("\n".join(out))


if __name__ == "__main__":
    main(sys.argv)
