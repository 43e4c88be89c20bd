"""Ground truth of a book, taken from its PDF, written to truth.json.

Rectangles are in the DjVu page's coordinates: [xmin, ymin, xmax, ymax],
origin bottom left, PDF points scaled by the DjVu page's width / the PDF
page's width (and the same for heights), as `djvused -e 'select N; size'`
gives the DjVu page's size. Pages are 1-based document pages.

- contents: one entry per contents line that the PDF links: the printed
  number that ends the entry (found in the PDF's text on the link's line, or
  on the next lines for a wrapped title), its box, the PDF's link boxes, and
  the target page. Links whose line ends in no page number (a running head,
  say) are not entries and are counted as "skipped_links".
- index: one entry per linked page number on the index pages (the PDF links
  each number over its own characters).
- labels: the printed page number of every page: the PDF's page labels, or
  where the PDF has none, the number standing alone at the top or bottom of
  the page's text ("labels_source" says which).
- offset: the body offset (target page minus printed number, the most common
  one over the arabic contents entries), and roman_offset for roman ones.
- outline: the PDF's bookmarks as [level, title, target page].
"""
import collections
import json
import os
import re
import subprocess

import fitz

import books as corpus

ROMAN = re.compile(r"^[ivxlc]+$", re.I)
# A number that ends an entry: alone, or after leaders glued to it.
ENDING_NUMBER = re.compile(r"^(?:.*[.\u2026\u00b7])?(\d+|[ivxlc]+)$", re.I)


def roman_value(text):
    values = {"i": 1, "v": 5, "x": 10, "l": 50, "c": 100}
    total = 0
    text = text.lower()
    for i, ch in enumerate(text):
        v = values[ch]
        total += -v if i + 1 < len(text) and values[text[i + 1]] > v else v
    return total


def number_value(text):
    return int(text) if text.isdigit() else roman_value(text)


def djvu_sizes(djvu, pages):
    """(width, height) of each page, from djvused's size command."""
    script = "; ".join(f"select {n}; size" for n in pages)
    out = subprocess.run(["djvused", djvu, "-e", script], check=True,
                         capture_output=True, text=True).stdout.split("\n")
    sizes = {}
    for n, line in zip(pages, [l for l in out if l.startswith("width=")]):
        fields = dict(f.split("=") for f in line.split())
        sizes[n] = (int(fields["width"]), int(fields["height"]))
    if len(sizes) != len(pages):
        raise SystemExit(f"{djvu}: djvused gave {len(sizes)} sizes for {len(pages)} pages")
    return sizes


class PageGeometry:
    """Maps PDF boxes (points, origin top left) to DjVu boxes (origin bottom left)."""

    def __init__(self, pdf_page, djvu_size):
        self.width, self.height = djvu_size
        self.sx = self.width / pdf_page.rect.width
        self.sy = self.height / pdf_page.rect.height

    def box(self, r):
        x0, y0, x1, y1 = r
        return [round(x0 * self.sx), round(self.height - y1 * self.sy),
                round(x1 * self.sx), round(self.height - y0 * self.sy)]


def union(boxes):
    return [min(b[0] for b in boxes), min(b[1] for b in boxes),
            max(b[2] for b in boxes), max(b[3] for b in boxes)]


def goto_links(page):
    return [l for l in page.get_links() if l.get("kind") == fitz.LINK_GOTO and l.get("page", -1) >= 0]


def text_lines(words):
    """Words grouped into printed lines: same baseline, left to right."""
    words = sorted(words, key=lambda w: (round(w[3]), w[0]))
    lines = []
    for w in words:
        if lines and abs(lines[-1][0][3] - w[3]) <= 2.5:
            lines[-1].append(w)
        else:
            lines.append([w])
    for line in lines:
        line.sort(key=lambda w: w[0])
    lines.sort(key=lambda l: l[0][3])
    return lines


def vertical_overlap(a, b):
    return max(0.0, min(a[3], b[3]) - max(a[1], b[1]))


def line_of(lines, rect):
    """Index of the printed line that the link box sits on."""
    best, best_overlap = None, 0.0
    for i, line in enumerate(lines):
        top = min(w[1] for w in line)
        bottom = max(w[3] for w in line)
        ov = vertical_overlap((0, top, 0, bottom), rect)
        if ov > best_overlap:
            best, best_overlap = i, ov
    return best


def ending_number(line, left):
    """The page number that ends a line, right of x=left: (text, box) or None."""
    last = line[-1]
    if last[0] < left - 2:
        return None
    m = ENDING_NUMBER.match(last[4])
    if not m:
        return None
    digits = m.group(1)
    box = last[:4]
    if digits != last[4]:
        # Leaders glued to the number: the number's share of the word's width.
        share = len(digits) / len(last[4])
        box = (last[2] - (last[2] - last[0]) * share, last[1], last[2], last[3])
    return digits, box


def column_words(page, links):
    """Splits the page's words into columns: a contents page whose links start
    both left and right of the middle (the running head aside) is set in two
    columns, split just left of the right column's first link."""
    words = page.get_text("words")
    mid = page.rect.width / 2
    body = [l for l in links if not in_margin(page, l["from"])]
    right = [l["from"].x0 for l in body if l["from"].x0 > 0.9 * mid]
    if len(right) < 3 or not any(l["from"].x0 < mid for l in body):
        return [(0, words)]
    split = min(right) - 3
    return [(0, [w for w in words if w[2] <= split]), (split, [w for w in words if w[2] > split])]


def contents_entries(page, geometry, page_no, last_contents_page):
    # A link to a page before the last contents page (the book's title in the
    # running head, say) is no entry; the body may begin on that page.
    links = [l for l in goto_links(page) if l["page"] + 1 >= last_contents_page]
    columns = column_words(page, links)
    column_lines = [(left, text_lines(words)) for left, words in columns]
    entries, skipped = {}, len(goto_links(page)) - len(links)
    for link in links:
        lines = [ls for left, ls in column_lines if left <= link["from"].x0][-1]
        li = line_of(lines, link["from"])
        link_lines = [line_of(lines, l["from"]) for l in links]
        found = None
        if li is not None and not in_margin(page, link["from"]):
            # The entry's number ends its own line or, for a wrapped title, one
            # of the next two lines that no other link starts on.
            for lj in range(li, min(li + 3, len(lines))):
                if lj > li and any(o == lj and other["page"] != link["page"]
                                   for other, o in zip(links, link_lines)):
                    break
                found = ending_number(lines[lj], link["from"].x0)
                if found:
                    break
        if not found:
            skipped += 1
            continue
        text, box = found
        key = (round(box[0]), round(box[1]))
        target = link["page"] + 1
        entry = entries.setdefault(key, dict(page=page_no, number=text, roman=not text.isdigit(),
                                            target=target, number_rect=geometry.box(box),
                                            link_rects=[]))
        if entry["target"] != target:
            skipped += 1
            continue
        entry["link_rects"].append(geometry.box(tuple(link["from"])))
    for e in entries.values():
        e["rect"] = union(e["link_rects"] + [e["number_rect"]])
    return sorted(entries.values(), key=lambda e: (-e["rect"][3], e["rect"][0])), skipped


def page_chars(page):
    """Every character of the page with its box, in reading order."""
    chars = []
    for block in page.get_text("rawdict")["blocks"]:
        for line in block.get("lines", []):
            for span in line["spans"]:
                chars += [(fitz.Rect(c["bbox"]), c["c"]) for c in span["chars"]]
    return chars


def text_in(chars, rect):
    """The characters whose centre lies in the box (1 pt of slack), left to right."""
    r = fitz.Rect(rect) + (-1, -1, 1, 1)
    inside = [(b.x0, c) for b, c in chars
              if r.contains(fitz.Point((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2))]
    return "".join(c for _, c in sorted(inside))


def in_margin(page, rect):
    """True for a box in the running head or foot (top or bottom 7% of the page)."""
    h = page.rect.height
    return rect.y1 < 0.07 * h or rect.y0 > 0.93 * h


def index_entries(page, geometry, page_no, last_contents_page):
    chars = page_chars(page)
    entries, skipped = [], 0
    for link in goto_links(page):
        r = link["from"]
        text = text_in(chars, r).strip(" ,;.")
        m = re.fullmatch(r"(\d+|[ivxlc]+)", text, re.I)
        if in_margin(page, r) or not m:
            skipped += 1
            continue
        box = geometry.box(tuple(r))
        entries.append(dict(page=page_no, number=m.group(1), roman=not m.group(1).isdigit(),
                            target=link["page"] + 1, number_rect=box, rect=box))
    return entries, skipped


def folio_candidates(page):
    """Numbers at either end of the page's first or last line, when that line
    lies in the top or bottom 12% of the page."""
    lines = text_lines(page.get_text("words"))
    h = page.rect.height
    found = []
    for line in (lines[:1] + lines[-1:]) if lines else []:
        if line[0][3] < 0.12 * h or line[0][1] > 0.88 * h:
            found += [w[4] for w in (line[0], line[-1])
                      if (w[4].isdigit() or ROMAN.match(w[4])) and len(w[4]) < 6]
    return found


def folios_from_text(doc):
    """The folio of every page: the candidate that follows on from one on the
    page before or after (a figure's label or a contents number is no folio)."""
    found = [folio_candidates(doc[i]) for i in range(doc.page_count)]

    def follows(text, i, j):
        return 0 <= j < len(found) and any(
            t.isdigit() == text.isdigit() and number_value(t) - number_value(text) == j - i
            for t in found[j])
    return [next((t for t in found[i] if follows(t, i, i - 1) or follows(t, i, i + 1)), "")
            for i in range(len(found))]


def outline(doc):
    try:
        return [[lvl, title, page] for lvl, title, page in doc.get_toc(simple=True)]
    except Exception as e:  # PyMuPDF 1.21 fails on some outlines
        print(f"  outline not readable: {e}")
        return None


def most_common(values):
    return collections.Counter(values).most_common(1)[0][0] if values else None


def build(book):
    path = corpus.truth_path(book)
    if os.path.exists(path):
        return
    doc = fitz.open(corpus.pdf_path(book))
    djvu = corpus.variant_path(book, "typeset")
    wanted = corpus.pages(book, "contents") + corpus.pages(book, "index")
    sizes = djvu_sizes(djvu, wanted)
    result = dict(book=book["id"], package=book["package"], pdf=book["path"],
                  pages=doc.page_count, contents_pages=list(book["contents"]),
                  index_pages=list(book["index"]), contents=[], index=[],
                  skipped_links=dict(contents=0, index=0))
    for kind, reader in (("contents", contents_entries), ("index", index_entries)):
        for n in corpus.pages(book, kind):
            page = doc[n - 1]
            if not goto_links(page):
                raise SystemExit(f"{book['id']}: page {n} has no internal links; is it a {kind} page?")
            entries, skipped = reader(page, PageGeometry(page, sizes[n]), n, book["contents"][1])
            result[kind] += entries
            result["skipped_links"][kind] += skipped
    labels = [doc[i].get_label() for i in range(doc.page_count)]
    result["labels_source"] = "pdf" if any(labels) else "text"
    if not any(labels):
        labels = folios_from_text(doc)
    result["labels"] = labels
    arabic = [e["target"] - int(e["number"]) for e in result["contents"] if not e["roman"]]
    roman = [e["target"] - roman_value(e["number"]) for e in result["contents"] + result["index"] if e["roman"]]
    result["offset"] = most_common(arabic)
    result["roman_offset"] = most_common(roman)
    result["outline"] = outline(doc)
    tmp = path + ".part"
    with open(tmp, "w", encoding="utf-8") as f:
        json.dump(result, f, ensure_ascii=False, indent=1)
    os.replace(tmp, path)
    print(f"{book['id']}: truth: {len(result['contents'])} contents entries, "
          f"{len(result['index'])} index numbers, offset {result['offset']}, "
          f"skipped links {result['skipped_links']}")


def load(book):
    with open(corpus.truth_path(book), encoding="utf-8") as f:
        return json.load(f)
