#!/usr/bin/env python3
"""Checks `quillmark-cli offsets` against the corpus truth: for every book
variant, the body offset of the map (its longest arabic run) against the
truth's `offset`, and the printed number the map gives every page against the
truth's `labels`.

scripts/corpus/folios.py [--cli PATH]
"""
import argparse
import json
import os
import re
import subprocess
import sys

ROMAN = {'i': 1, 'v': 5, 'x': 10, 'l': 50, 'c': 100, 'd': 500, 'm': 1000}
LINE = re.compile(r'^\s+\S+ (\d+)-(\d+): (?:\S+ (\S+?)-(\S+?)(?:, \S+ ([+-]?\d+)| \((\S+)\))|(.*))$')


def roman_value(text):
    total, previous = 0, 0
    for letter in reversed(text.lower()):
        value = ROMAN.get(letter)
        if value is None:
            return None
        total += -value if value < previous else value
        previous = max(previous, value)
    return total


def label_value(label):
    """(number, roman) of a page label, or None for none or another kind."""
    if re.fullmatch(r'\d+', label):
        return int(label), False
    if re.fullmatch(r'[ivxlcdm]+|[IVXLCDM]+', label):
        return roman_value(label), True
    return None


def read_map(cli, book):
    out = subprocess.run([cli, 'offsets', book], capture_output=True, text=True)
    if out.returncode != 0:
        raise RuntimeError(out.stderr)
    pages, runs = {}, []
    for line in out.stdout.splitlines()[1:]:
        m = LINE.match(line)
        if not m or m.group(7) is not None:
            continue
        first, last = int(m.group(1)), int(m.group(2))
        roman = m.group(6) is not None
        offset = int(m.group(5)) if not roman else first - roman_value(m.group(3))
        runs.append((first, last, offset, roman))
        for page in range(first, last + 1):
            pages[page] = (page - offset, roman)
    return pages, runs


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--cli', default=os.environ.get('QUILLMARK_CLI', 'build/src/cli/quillmark-cli'))
    args = parser.parse_args()
    cache = os.environ.get('QUILLMARK_CORPUS', os.path.expanduser('~/.cache/quillmark-corpus'))
    print('| book | variant | body offset (map / truth) | pages agreeing | disagreeing | numbered pages the map leaves out |')
    print('|---|---|---|---|---|---|')
    all_right = True
    for book in sorted(os.listdir(cache)):
        truth_path = os.path.join(cache, book, 'truth.json')
        if not os.path.exists(truth_path):
            continue
        truth = json.load(open(truth_path))
        for variant in ('typeset', 'ocr', 'scan'):
            path = os.path.join(cache, book, variant + '.djvu')
            if not os.path.exists(path):
                continue
            pages, runs = read_map(args.cli, path)
            arabic = [r for r in runs if not r[3]]
            body = max(arabic, key=lambda r: r[1] - r[0])[2] if arabic else None
            agree = disagree = missing = 0
            for page, label in enumerate(truth['labels'], 1):
                want = label_value(label)
                if want is None:
                    continue
                got = pages.get(page)
                if got is None:
                    missing += 1
                elif got == want:
                    agree += 1
                else:
                    disagree += 1
            all_right &= body == truth['offset']
            print(f"| {book} | {variant} | {body:+d} / {truth['offset']:+d} | {agree} | {disagree} | {missing} |"
                  if body is not None else f"| {book} | {variant} | none / {truth['offset']:+d} | 0 | 0 | {missing} |")
    return 0 if all_right else 1


if __name__ == '__main__':
    sys.exit(main())
