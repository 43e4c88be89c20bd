#!/usr/bin/python3
"""Builds the development corpus of real books into the cache.

For every book of books.py: fetch its Debian package (apt-get download, never
installed), take the PDF out of it, convert it to DjVu with pdf2djvu (its own
links left out), write the ground truth from the PDF, and make the OCR'd and
scan-like variants of its contents and index pages, and a copy of the whole
book without hidden text. Every step whose output
already exists is skipped, so a rebuild after a change costs only that step;
delete a file in the cache to make it again.

Usage: build.py [BOOK...]   (default: every book)
"""
import glob
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import books as corpus  # noqa: E402
import ocr  # noqa: E402
import truth  # noqa: E402


def log(text):
    print(text, file=sys.stderr, flush=True)


def run(cmd, **kw):
    subprocess.run(cmd, check=True, **kw)


def fetch_pdf(book):
    """Downloads the book's package into the cache and extracts its PDF."""
    pdf = corpus.pdf_path(book)
    if os.path.exists(pdf):
        return pdf
    debs = os.path.join(corpus.CACHE, "debs")
    os.makedirs(debs, exist_ok=True)
    found = glob.glob(os.path.join(debs, book["package"] + "_*.deb"))
    if not found:
        log(f"{book['id']}: apt-get download {book['package']}")
        # The cache belongs to the user, not to apt's sandbox user.
        run(["apt-get", "-o", "APT::Sandbox::User=root", "download", book["package"]], cwd=debs,
            stdout=subprocess.DEVNULL)
        found = glob.glob(os.path.join(debs, book["package"] + "_*.deb"))
    if len(found) != 1:
        raise SystemExit(f"{book['id']}: expected one {book['package']} package in {debs}, found {found}")
    os.makedirs(corpus.book_dir(book), exist_ok=True)
    tmp = pdf + ".part"
    with open(tmp, "wb") as out:
        tar = subprocess.Popen(["dpkg-deb", "--fsys-tarfile", found[0]], stdout=subprocess.PIPE)
        run(["tar", "-xO", "./" + book["path"]], stdin=tar.stdout, stdout=out)
        if tar.wait() != 0:
            raise SystemExit(f"{book['id']}: dpkg-deb failed on {found[0]}")
    os.replace(tmp, pdf)
    return pdf


def convert(book):
    """The typeset variant: the whole book through pdf2djvu, text layer kept."""
    out = corpus.variant_path(book, "typeset")
    if os.path.exists(out):
        return out
    log(f"{book['id']}: pdf2djvu -d {corpus.dpi(book)}")
    tmp = out + ".part.djvu"
    run(["nice", "-n", "10", "pdf2djvu", "--no-hyperlinks", "-j", "1", "-d", str(corpus.dpi(book)),
         "-q", "-o", tmp, corpus.pdf_path(book)])
    os.replace(tmp, out)
    return out


def textless(book):
    """The text-less variant: a copy of the typeset book without hidden text."""
    out = corpus.variant_path(book, corpus.TEXTLESS)
    if os.path.exists(out):
        return out
    log(f"{book['id']}: {corpus.TEXTLESS} (remove-txt)")
    tmp = out + ".part.djvu"
    shutil.copyfile(corpus.variant_path(book, "typeset"), tmp)
    run(["djvused", tmp, "-e", "remove-txt", "-s"])
    os.replace(tmp, out)
    return out


def main(argv):
    wanted = set(argv[1:])
    unknown = wanted - {b["id"] for b in corpus.BOOKS}
    if unknown:
        raise SystemExit("unknown book(s): " + ", ".join(sorted(unknown)))
    chosen = [b for b in corpus.BOOKS if not wanted or b["id"] in wanted]
    for book in chosen:
        fetch_pdf(book)
        convert(book)
        truth.build(book)
        for variant in corpus.variants(book):
            if variant != "typeset":
                ocr.build(book, variant)
        textless(book)
    log(f"corpus ready in {corpus.CACHE}")


if __name__ == "__main__":
    main(sys.argv)
