"""Follows a link's URL to a page the way DjVu viewers do.

A viewer does not read "#8" as document page 8 when a page is called "8".
djview4 matches the text after "#" against the page titles first, then reads
it as a page number, then matches page names and ids; DjVuLibre's document
API (ddjvu_document_search_pageno, which the other viewers use) matches ids,
then names, then titles, and only then reads a number. Both read "#+n" and
"#-n" as pages after or before the current one and "#$n" as page n.

The pages come from `djvused -e ls`: "%4d P %8d  ID" with " T=title" when the
title differs from the id and " F=name" when the save name does.
"""
import re
import subprocess

PAGE_LINE = re.compile(r"^\s*(\d+) P\s+\d+  (.*)$")


def unescape(text):
    """A string as djvused quotes it (without its quotes), decoded: \\n, \\t,
    \\", \\\\ and three octal digits for other bytes."""
    out, i = bytearray(), 0
    raw = text.encode("utf-8")
    while i < len(raw):
        if raw[i] == 0x5C and i + 1 < len(raw):
            if raw[i + 1:i + 4].isdigit() and len(raw[i + 1:i + 4]) == 3:
                out.append(int(raw[i + 1:i + 4], 8))
                i += 4
                continue
            out.append({ord("n"): 10, ord("t"): 9, ord("r"): 13}.get(raw[i + 1], raw[i + 1]))
            i += 2
            continue
        out.append(raw[i])
        i += 1
    return out.decode("utf-8", "replace")


class Pages:
    def __init__(self, ls_text):
        self.ids, self.names, self.titles = [], [], []
        for line in ls_text.splitlines():
            m = PAGE_LINE.match(line)
            if not m:
                continue
            rest, title, name = m.group(2), None, None
            f = rest.find(" F=")
            if f >= 0:
                name, rest = rest[f + 3:], rest[:f]
            t = rest.find(" T=")
            if t >= 0:
                title, rest = rest[t + 3:], rest[:t]
            self.ids.append(rest)
            self.names.append(name or rest)
            self.titles.append(title if title is not None else rest)

    @classmethod
    def of(cls, djvu):
        out = subprocess.run(["djvused", "-u", djvu, "-e", "ls"], check=True,
                             capture_output=True, text=True).stdout
        return cls(out)

    def count(self):
        return len(self.ids)

    def titled(self):
        return any(t != i for t, i in zip(self.titles, self.ids))

    def _relative(self, text, current):
        """Page of "+n", "-n" or "$n", None for any other text."""
        m = re.fullmatch(r"([+-])(\d+)", text)
        if m and current:
            n = current + int(m.group(2)) * (1 if m.group(1) == "+" else -1)
            return n if 1 <= n <= self.count() else None
        m = re.fullmatch(r"\$(\d+)", text)
        if m:
            n = int(m.group(1))
            return n if 1 <= n <= self.count() else None
        return None

    def _number(self, text):
        if re.fullmatch(r"\d+", text):
            n = int(text)
            if 1 <= n <= self.count():
                return n
        return None

    @staticmethod
    def _find(values, text):
        return values.index(text) + 1 if text in values else None

    def _follow(self, url, current, order):
        """The page found for an internal URL ("#...") by looking the text up in
        `order` (a list of "titles", "number", "names", "ids"), or None."""
        if not url.startswith("#"):
            return None
        text = url[1:]
        if re.fullmatch(r"[+-]\d+|\$\d+", text):
            return self._relative(text, current)
        for where in order:
            page = self._number(text) if where == "number" else self._find(getattr(self, where), text)
            if page is not None:
                return page
        return None

    def djview(self, url, current=None):
        """The page djview4 opens for an internal URL ("#..."), or None."""
        return self._follow(url, current, ("titles", "number", "names", "ids"))

    def document_api(self, url, current=None):
        """The page ddjvu_document_search_pageno (and the viewers on it) opens."""
        return self._follow(url, current, ("ids", "names", "titles", "number"))

    def opens(self, url, current=None):
        """The page every viewer opens, or None when they disagree or find none."""
        a, b = self.djview(url, current), self.document_api(url, current)
        return a if a == b else None
