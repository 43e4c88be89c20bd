"""The OCR'd and scan-like variants of a book's contents and index pages.

ocr:  each contents and index page is rendered from the typeset DjVu at its
      own size (ddjvu), read by `tesseract -l rus+eng` into hOCR, and the hOCR
      becomes the page's text layer (regions, paragraphs, lines and words,
      y flipped to the DjVu origin at the bottom left), set with djvused on a
      copy of the book, so page numbers and the truth stay valid.
scan: the same render turned into a scan-like page (slight rotation about the
      page centre, blur, noise, bilevel), which replaces the page's image
      (cjb2 at the book's resolution, so the page keeps its size) and is
      OCR'd the same way. The rotation is recorded in scan.json so the scorer
      can turn the truth boxes with the page.
"""
import html.parser
import json
import os
import shutil
import subprocess

import books as corpus
import truth



# Per book: rotation in degrees (clockwise on the picture), blur sigma, noise.
SCAN_ANGLE = {"mpman-ru": 0.6, "r-intro": -0.8}
SCAN_BLUR = "0x0.8"
SCAN_NOISE = "0.5"


def nice(cmd):
    return ["nice", "-n", "10"] + cmd


def escape(text):
    """A djvused string: quotes and backslashes escaped, other bytes as octal."""
    out = []
    for b in text.encode("utf-8"):
        if b in (0x22, 0x5C):
            out.append("\\" + chr(b))
        elif b < 0x20 or b >= 0x7F:
            out.append("\\%03o" % b)
        else:
            out.append(chr(b))
    return '"' + "".join(out) + '"'


class HocrReader(html.parser.HTMLParser):
    """Collects hOCR areas, paragraphs, lines and words with their boxes."""

    KINDS = {"ocr_carea": "region", "ocr_par": "para", "ocr_line": "line",
             "ocr_header": "line", "ocr_caption": "line", "ocr_textfloat": "line",
             "ocrx_word": "word"}

    def __init__(self):
        super().__init__()
        self.root = dict(kind="page", children=[])
        self.stack = [(None, self.root)]  # (tag, node) for each open element

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        kind = self.KINDS.get(a.get("class", ""))
        node = None
        if kind:
            bbox = next(p for p in a.get("title", "").split(";") if p.strip().startswith("bbox"))
            node = dict(kind=kind, box=[int(v) for v in bbox.split()[1:5]], children=[], text="")
            self.open_node().append(node)
        self.stack.append((tag, node))

    def open_node(self):
        for _, node in reversed(self.stack):
            if node is not None:
                return node["children"]
        return self.root["children"]

    def handle_endtag(self, tag):
        while self.stack and len(self.stack) > 1:
            t, _ = self.stack.pop()
            if t == tag:
                break

    def handle_data(self, data):
        for _, node in reversed(self.stack):
            if node is not None:
                if node["kind"] == "word":
                    node["text"] += data
                return


def zones(node, height, depth, out):
    """Writes a zone and its children in djvused's text syntax."""
    x0, y0, x1, y1 = node["box"]
    head = " " * depth + f"({node['kind']} {x0} {height - y1} {x1} {height - y0}"
    if node["kind"] == "word":
        out.append(head + " " + escape(node["text"].strip()) + ")")
        return
    kids = [k for k in node["children"] if k["kind"] != "word" or k["text"].strip()]
    kids = [k for k in kids if k["kind"] == "word" or has_words(k)]
    out.append(head)
    for k in kids:
        zones(k, height, depth + 1, out)
    out[-1] += ")"


def has_words(node):
    return any(k["kind"] == "word" and k["text"].strip() or k["kind"] != "word" and has_words(k)
               for k in node["children"])


def scaled(node, factor):
    node["box"] = [round(v * factor) for v in node["box"]]
    for k in node["children"]:
        scaled(k, factor)


def text_layer(hocr_file, width, height):
    """The page's text layer from hOCR, boxes scaled from the picture's size
    to the DjVu page's."""
    reader = HocrReader()
    with open(hocr_file, encoding="utf-8") as f:
        reader.feed(f.read())
    factor = width / hocr_size(hocr_file)[0]
    out = [f"(page 0 0 {width} {height}"]
    for k in reader.root["children"]:
        scaled(k, factor)
        if has_words(k):
            zones(k, height, 1, out)
    out[-1] += ")"
    return "\n".join(out)


OCR_DPI = 300  # pages are read at this resolution whatever the book's


def render(djvu, page, out, fmt="pgm"):
    subprocess.run(nice(["ddjvu", f"-format={fmt}", "-mode=color", f"-scale={OCR_DPI}", f"-page={page}",
                         djvu, out]), check=True)


def scan_like(src, out, angle):
    """Turns a clean colour render into a bilevel scan of the page printed in
    black: the darkest channel of each pixel (so coloured link text prints
    black, as in a printed book), rotated, blurred, speckled, thresholded."""
    subprocess.run(nice([corpus.CONVERT, src, "-separate", "-evaluate-sequence", "Min",
                         "-background", "white", "-virtual-pixel", "white",
                         "-distort", "SRT", str(angle), "-blur", SCAN_BLUR,
                         "-attenuate", SCAN_NOISE, "+noise", "Gaussian",
                         "-threshold", "55%", "-type", "bilevel", out]), check=True)


def tesseract(image, base):
    # One thread: the machine is shared; skipping the inverted-text pass
    # saves time and loses nothing on printed pages.
    subprocess.run(nice(["tesseract", image, base, "-l", "rus+eng", "-c", "tessedit_do_invert=0", "hocr"]),
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   env=dict(os.environ, OMP_THREAD_LIMIT="1"))
    return base + ".hocr"


def scan_page(book, typeset, n, work, angle):
    """Makes work/scanNNNN.pbm (the scan-like picture that OCR reads) and
    work/scanNNNN.djvu (the page that replaces the book's); both are kept."""
    scanned = os.path.join(work, f"scan{n:04d}.pbm")
    page = os.path.join(work, f"scan{n:04d}.djvu")
    if os.path.exists(scanned) and os.path.exists(page):
        return scanned
    colour = os.path.join(work, f"p{n:04d}.ppm")
    render(typeset, n, colour, "ppm")
    scan_like(colour, scanned + ".part.pbm", angle)
    os.remove(colour)
    subprocess.run(nice(["cjb2", "-dpi", str(corpus.dpi(book)), scanned + ".part.pbm", page]), check=True)
    os.replace(scanned + ".part.pbm", scanned)
    return scanned


def read_page(book, variant, typeset, n, work, angle):
    """OCRs one page into work/pNNNN.hocr (kept, so a stopped build resumes).
    Returns the hOCR path."""
    hocr = os.path.join(work, f"p{n:04d}.hocr")
    if os.path.exists(hocr):
        return hocr
    print(f"{book['id']}: {variant}: page {n}", flush=True)
    if variant == "scan":
        image = scan_page(book, typeset, n, work, angle)
    else:
        image = os.path.join(work, f"p{n:04d}.pgm")
        render(typeset, n, image)
    base = os.path.join(work, f"p{n:04d}")
    tesseract(image, base + ".part")
    if variant != "scan":
        os.remove(image)
    os.replace(base + ".part.hocr", hocr)
    return hocr


def hocr_size(hocr_file):
    """The size of the picture that tesseract read (the ocr_page's bbox)."""
    with open(hocr_file, encoding="utf-8") as f:
        text = f.read()
    i = text.index("ocr_page")
    box = text[text.index("bbox", i):].split(";")[0].split()
    return int(box[3]), int(box[4])


def build(book, variant):
    out = corpus.variant_path(book, variant)
    if os.path.exists(out):
        return
    angle = SCAN_ANGLE[book["id"]] if variant == "scan" else 0.0
    if variant == "scan" and corpus.dpi(book) != OCR_DPI:
        raise SystemExit(f"{book['id']}: scan-like pages need a {OCR_DPI} dpi book")
    pages = corpus.pages(book, "contents", variant) + corpus.pages(book, "index", variant)
    typeset = corpus.variant_path(book, "typeset")
    work = os.path.join(corpus.book_dir(book), "work-" + variant)
    os.makedirs(work, exist_ok=True)
    hocrs = {n: read_page(book, variant, typeset, n, work, angle) for n in pages}
    sizes = truth.djvu_sizes(typeset, pages)
    tmp = out + ".part.djvu"
    shutil.copyfile(typeset, tmp)
    script = []
    for n in pages:
        if variant == "scan":
            subprocess.run(["djvm", "-d", tmp, str(n)], check=True)
            subprocess.run(["djvm", "-i", tmp, os.path.join(work, f"scan{n:04d}.djvu"), str(n)], check=True)
        width, height = sizes[n]
        script += [f"select {n}", "set-txt", text_layer(hocrs[n], width, height), "."]
    script_file = os.path.join(work, "set-txt.dsed")
    with open(script_file, "w", encoding="utf-8") as f:
        f.write("\n".join(script) + "\n")
    subprocess.run(["djvused", tmp, "-f", script_file, "-s"], check=True)
    with open(os.path.join(corpus.book_dir(book), variant + ".json"), "w") as f:
        json.dump(dict(angle=angle, pages=pages), f)
    os.replace(tmp, out)
