"""The books of the development corpus and where their files live.

Each book is a typeset PDF from a Debian documentation package. The page
numbers (1-based document pages) of its contents and index pages were read
off the book itself; build.py checks that every one of them carries internal
links, so a new package version that moves them is noticed at once.
"""
import os

CACHE = os.environ.get("QUILLMARK_CORPUS") or os.path.expanduser("~/.cache/quillmark-corpus")
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Resolution of the DjVu conversion (a book may set its own "dpi": the
# longest book is converted at 150 dpi to keep the build short).
DPI = 300

BOOKS = [
    # Russian; the contents page sets each section number and page number as
    # separate text; two-column index of Latin and Cyrillic terms.
    dict(id="mpman-ru", package="texlive-lang-cyrillic",
         path="usr/share/doc/texlive-doc/metapost/mpman-ru/mpman-ru.pdf",
         contents=(3, 3), index=(101, 106), scan=True, textless_book=True),
    # Texinfo manual: roman-numbered front matter (i-v), numbers glued to
    # leaders, two-column function and concept indexes.
    dict(id="r-exts", package="r-doc-pdf",
         path="usr/share/R/doc/manual/R-exts.pdf",
         contents=(3, 7), index=(230, 236), scan=False, textless_book=True),
    # Texinfo manual: roman front matter (i-iv), two-column indexes.
    dict(id="r-intro", package="r-doc-pdf",
         path="usr/share/R/doc/manual/R-intro.pdf",
         contents=(3, 6), index=(108, 112), scan=dict(contents=(3, 4), index=(108, 108)),
         textless_book=True),
    # LaTeX manual: eighteen contents pages with the running head and folio,
    # links over the titles, a two-column index with many numbers per entry.
    dict(id="gnuplot", package="gnuplot-doc",
         path="usr/share/doc/gnuplot/gnuplot.pdf",
         contents=(2, 19), index=(304, 311), scan=False,
         ocr=dict(contents=(2, 7), index=(304, 305)), dpi=150, textless_book=True),
]

# Book variants: the typeset conversion, its contents and index pages OCR'd
# from renders, and (for books marked scan) OCR'd from scan-like renders.
# A book may limit a variant to some pages with "ocr" or "scan" set to
# dict(contents=(first, last), index=(first, last)): OCR takes a minute a
# page on a busy machine.
VARIANTS = ("typeset", "ocr", "scan")

# The text-less variant: the typeset book with the hidden text removed from
# every page, as a scan that was never recognised. The CLI reads its pages
# from their images (--ocr), a few seconds a page, so only the scorer of the
# work types uses it, and the whole-book type runs on it only for the books
# marked textless_book=True (it reads up to fifty pages of each; the front
# and end of every corpus book take it well under ten minutes).
TEXTLESS = "textless"


def book_dir(book):
    return os.path.join(CACHE, book["id"])


def variant_path(book, variant):
    return os.path.join(book_dir(book), variant + ".djvu")


def truth_path(book):
    return os.path.join(book_dir(book), "truth.json")


def pdf_path(book):
    return os.path.join(book_dir(book), book["id"] + ".pdf")


def page_range(book, kind, variant="typeset"):
    """(first, last) of the contents or index pages of a variant."""
    chosen = book.get(variant)
    return chosen[kind] if isinstance(chosen, dict) else book[kind]


def pages(book, kind, variant="typeset"):
    first, last = page_range(book, kind, variant)
    return list(range(first, last + 1))


def dpi(book):
    return book.get("dpi", DPI)


def variants(book, textless=False):
    """The book's variants; the text-less one only when asked for."""
    chosen = [v for v in VARIANTS if v != "scan" or book.get("scan")]
    return chosen + [TEXTLESS] if textless else chosen

# ImageMagick's convert; a stand-in may shadow it on the PATH.
CONVERT = "/usr/bin/convert"


def add_run_arguments(parser, modes):
    """The options every scorer takes: the quillmark-cli to run and which
    books, variants and work types (`modes`, all by default) to score."""
    parser.add_argument("--cli", default=os.environ.get("QUILLMARK_CLI",
                                                        os.path.join(REPO, "build", "src", "cli", "quillmark-cli")))
    parser.add_argument("--books", nargs="*", default=None)
    parser.add_argument("--variants", nargs="*", default=None)
    parser.add_argument("--modes", nargs="*", default=list(modes))
