#!/usr/bin/env python3
"""Checks `quillmark-cli pages` against the corpus truth: for every book and
variant, the contents and index ranges it finds in the whole book against the
true ones (truth.json's contents_pages and index_pages), and the book's main
offset against the truth's body offset.

scripts/corpus/pages_score.py [--cli PATH]

Prints a Markdown table; "exact" is yes when the main contents list and the
index (the parts of kind index, taken together) are exactly the true ranges.
The exit status is 1 when a range or the offset differs.
"""
import argparse
import json
import os
import subprocess
import sys


def survey(cli, path):
    out = subprocess.run(['nice', cli, 'pages', '--json', path], capture_output=True, text=True)
    if out.returncode != 0:
        raise RuntimeError(out.stderr)
    return json.loads(out.stdout)


def span(pages):
    return (min(pages), max(pages)) if pages else None


def text(r):
    return f'{r[0]}–{r[1]}' if r else 'none'


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--cli', default=os.environ.get('QUILLMARK_CLI', 'build/src/cli/quillmark-cli'))
    args = parser.parse_args()
    cache = os.environ.get('QUILLMARK_CORPUS', os.path.expanduser('~/.cache/quillmark-corpus'))
    print('| book | variant | contents (true) | main contents found | other lists found | index (true) '
          '| index found | offset (found / true) | exact |')
    print('|---|---|---|---|---|---|---|---|---|')
    all_exact = True
    for book in sorted(os.listdir(cache)):
        truth_path = os.path.join(cache, book, 'truth.json')
        if not os.path.exists(truth_path):
            continue
        truth = json.load(open(truth_path))
        true_contents, true_index = span(truth['contents_pages']), span(truth['index_pages'])
        for variant in ('typeset', 'ocr', 'scan'):
            path = os.path.join(cache, book, variant + '.djvu')
            if not os.path.exists(path):
                continue
            found = survey(args.cli, path)
            parts = found['parts']
            main_list = next(((p['first'], p['last']) for p in parts if p['main']), None)
            others = [f"{p['kind']} {p['first']}–{p['last']}" for p in parts
                      if p['kind'] != 'index' and not p['main']]
            index_pages = [n for p in parts if p['kind'] == 'index' for n in (p['first'], p['last'])]
            index = span(index_pages)
            offset = found['offset']
            exact = main_list == true_contents and index == true_index and offset == truth['offset']
            all_exact &= exact
            offset_text = f'{offset:+d}' if offset is not None else 'none'
            print(f"| {book} | {variant} | {text(true_contents)} | {text(main_list)} | {', '.join(others) or '-'} "
                  f"| {text(true_index)} | {text(index)} | {offset_text} / {truth['offset']:+d} "
                  f"| {'yes' if exact else 'no'} |")
    return 0 if all_exact else 1


if __name__ == '__main__':
    sys.exit(main())
