"""The RTF to HTML conversion written plainly, step after step, with plain lists and no
shortcuts: the tests compare the library's default output with it on many documents, so a
shortcut taken for speed in the library cannot change a single byte unnoticed.

convert(rtf, options) returns the HTML, or raises IndexError where the library raises its
index error (a colour or font number beyond its table).
"""
import html.entities
import re

LIST_ITEM = "</li>"
ALIGN_TABLE = "</td></tr></table>"
FONT = "</font>"


def html_code(code):
    if len(code) != 2 or any(c not in "0123456789abcdef" for c in code):
        return ""
    n = int(code, 16)
    if n == 0:
        return "&nbsp;"
    if n == 0x85:
        return "..."
    if n == 0x9A:
        return "\u0161"
    if n == 0x9E:
        return "\u017e"
    if n == 0x99:
        return "<rtf>:\\super TM\\nosupersub"
    if 0xA1 <= n <= 0xFF and n != 0xAE:
        return "&" + html.entities.codepoint2name[n] + ";"
    return ""


def trim_all(s):
    return s.strip(" \r\n")


def nab_next_line(text):
    i = text.find("\r\n")
    if i < 0:
        return trim_all(text), ""
    return trim_all(text[: i + 2]), trim_all(text[i + 2 :])


def nab_next_word(line):
    c = line[0]
    if c in "{}":
        return c, line[1:]
    if line.startswith("\\'"):
        return line[:4], line[4:]
    if line[:2] in ("\\\\", "\\{", "\\}"):
        return line[:2], line[2:]
    if c == "\\" and len(line) > 1 and line[1].isascii() and line[1].isalpha():
        j = 2
        while j < len(line) and line[j] not in "\\{} ":
            j += 1
        rest = line[j:]
        return line[:j], rest[1:] if rest.startswith(" ") else rest
    j = 1
    while j < len(line) and line[j] not in "\\{}":
        j += 1
    return line[:j], line[j:]


def escaped(s, i):
    run = 0
    while i - run - 1 >= 0 and s[i - run - 1] == "\\":
        run += 1
    return run % 2 == 1


def nab_section(text, pos):
    """The group around 1-based position pos, and the text without it."""
    start, depth = None, 0
    for i in range(pos - 1, -1, -1):
        c = text[i]
        if c not in "{}" or escaped(text, i):
            continue
        if c == "}":
            depth += 1
        elif depth == 0:
            start = i
            break
        else:
            depth -= 1
    if start is None:
        return "", text
    end, depth, i = len(text), 0, start
    while i < len(text):
        c = text[i]
        if c == "\\":
            i += 1
        elif c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
            if depth == 0:
                end = i + 1
                break
        i += 1
    return text[start:end], text[:start] + text[end:]


def color_table(sec):
    table = [""]
    at = sec.find("\\colortbl")
    first = sec.find(";", at)
    if first < 0:
        return table
    end = sec.find(";}", first)
    end = len(sec) if end < 0 else end
    for m in re.finditer(r"\\red(\d*)[^;]*", sec[first + 1 : end]):
        entry = m.group(0)

        def part(word):
            g = re.search(re.escape(word) + r"(\d*)", entry)
            return min(int(g.group(1) or 0), 255) if g else 0

        table.append("%02X%02X%02X" % (part("\\red"), part("\\green"), part("\\blue")))
    return table


def font_table(sec):
    table = []
    at = sec.find("\\fonttbl")
    end = sec.find(";}}", at)
    end = len(sec) if end < 0 else end + 1
    n = 0
    pos = at
    while True:
        m = re.compile(re.escape("\\f%d" % n) + r"(?!\d)").search(sec, pos, end)
        if not m:
            return table
        depth, space = 0, None
        for i in range(m.start(), end):
            if sec[i] == "{":
                depth += 1
            elif sec[i] == "}":
                depth -= 1
            elif sec[i] == " " and depth == 0:
                space = i
                break
        if space is None:
            return table
        semi = sec.find(";", space + 1, end)
        if semi < 0:
            return table
        table.append(sec[space + 1 : semi])
        n += 1
        pos = semi + 1


def parse_font(color, size, face):
    if not color and not size and not face:
        return ""
    tag = "<font"
    if face:
        tag += ' face="' + face + '"'
    if color:
        tag += ' color="' + color + '"'
    if size and size != "0":
        tag += " size=" + size
    return tag + ">"


class Model:
    def __init__(self, options=""):
        self.codes = []  # [closing tag, opening tag, status]
        self.next = []
        self.next_beg = []
        self.cr = "\r\n" if "+CR" in options else ""
        self.faces_on = "-FF" not in options
        m = re.search(r"\+F=(\d*)", options)
        self.default_size = int(m.group(1) or 0) if m else 0
        self.color = self.size = self.face = self.font = ""
        self.phrase = ""
        self.before_close = self.before_break = self.before_open = ""
        self.line = ""
        self.line_start = True
        self.paragraph_start = True
        self.skip_words = 0
        self.list_doc = False

    # ---- the lists ----
    def in_next(self, c):
        return c in self.next

    def in_codes(self, c):
        return any(e[0] == c for e in self.codes)

    def push(self, c, o):
        self.next.append(c)
        self.next_beg.append(o)

    def remove_from_next(self, c):
        if c in self.next:
            i = self.next.index(c)
            del self.next[i]
            del self.next_beg[i]

    def clear_next(self, except_):
        if except_ in self.next:
            while self.next[0] != except_:
                del self.next[0]
                del self.next_beg[0]
        else:
            self.next, self.next_beg = [], []

    def codes2next_till(self, c):
        if c in self.next:
            return
        for e in self.codes:
            if e[0] == c:
                break
            if e[2] not in ("D", "K"):
                self.next.insert(0, e[0])
                self.next_beg.insert(0, e[1])

    def next2codes(self):
        if LIST_ITEM in self.next and self.next.index(LIST_ITEM) != 0:
            i = self.next.index(LIST_ITEM)
            self.next[0], self.next[i] = self.next[i], self.next[0]
            self.next_beg[0], self.next_beg[i] = self.next_beg[i], self.next_beg[0]
        for c, o in zip(self.next, self.next_beg):
            self.codes.append([c, o, "PG" if c in (LIST_ITEM, ALIGN_TABLE) else "P"])
        self.next, self.next_beg = [], []

    def kill(self, c, except_=None):
        for e in self.codes:
            if (c == "*" or e[0] == c) and e[2] != except_:
                e[2] = "K"

    def revive(self, c):
        for e in self.codes:
            if e[0] == c:
                e[2] = "A"
                return

    def all_codes_beg(self, till=None):
        out = ""
        for e in reversed(self.codes):
            if till is not None and e[0] == till:
                break
            if e[2] in ("P", "PG"):
                out += e[1]
                e[2] = "A" if e[2] == "P" else "G"
        return out

    def remove_blanks(self):
        self.codes = [e for e in self.codes if e[2] not in ("K", "")]

    # ---- the conversion ----
    def open(self, c, o):
        if not self.in_next(c):
            self.push(c, o)

    def close(self, c):
        if self.in_codes(c):
            self.codes2next_till(c)
            self.kill(c)
        elif self.in_next(c):
            self.remove_from_next(c)

    def after_text_codes(self):
        last_font = ""
        for e in self.codes:
            if e[0] == FONT:
                last_font = e[1]
        if last_font != self.font:
            self.kill(FONT)
            if self.font:
                if FONT in self.next:
                    self.next_beg[self.next.index(FONT)] = self.font
                else:
                    self.push(FONT, self.font)
        elif not self.in_next(LIST_ITEM):
            self.revive(FONT)
        k = max((i for i, e in enumerate(self.codes) if e[2] == "K"), default=-1)
        if k < 0:
            return ""
        out = "".join(e[0] + (self.cr if e[0] == LIST_ITEM else "") for e in self.codes[: k + 1])
        for e in reversed(self.codes[: k + 1]):
            if e[2] not in ("D", "K") and not self.in_next(e[0]):
                self.next.insert(0, e[0])
                self.next_beg.insert(0, e[1])
        for e in self.codes[: k + 1]:
            e[2] = "K"
        return out

    def text(self, word):
        if word.strip(" ") == "":
            self.phrase += self.before_open + ("&nbsp;" * len(word) if self.line_start else word)
            self.before_open = ""
            return
        self.before_close += self.after_text_codes()
        self.next2codes()
        if self.paragraph_start:
            self.before_open = self.all_codes_beg()
            self.paragraph_start = False
        else:
            self.before_open = self.all_codes_beg(ALIGN_TABLE)
        self.remove_blanks()
        self.phrase += self.before_close + self.before_break + self.before_open + word
        self.before_close = self.before_break = self.before_open = ""
        self.line_start = False

    def new_font(self, open_it):
        self.font = parse_font(self.color, self.size, self.face)
        if open_it:
            self.open(FONT, self.font)

    def control(self, w):
        simple = {
            "\\b": ("</b>", "<b>"), "\\i": ("</i>", "<i>"), "\\ul": ("</u>", "<u>"),
            "\\strike": ("</s>", "<s>"), "\\super": ("</sup>", "<sup>"),
            "\\sub": ("</sub>", "<sub>"), "\\pnlvlblt": (LIST_ITEM, "<li>"),
            "\\bullet": (LIST_ITEM, "<li>"),
            "\\qc": (ALIGN_TABLE, '<table width=100%><tr><td align="center">'),
            "\\qr": (ALIGN_TABLE, '<table width=100%><tr><td align="right">'),
        }
        closing = {"\\b0": "</b>", "\\i0": "</i>", "\\ulnone": "</u>", "\\strike0": "</s>"}
        if w.startswith("\\'"):
            h = html_code(w[2:])
            if h.startswith("<rtf>:"):
                self.line = h[6:] + " " + self.line
            elif h:
                self.line = h + self.line
        elif w in simple:
            self.open(*simple[w])
        elif w in closing:
            self.close(closing[w])
        elif w == "\\nosupersub":
            self.close("</sub>")
            self.close("</sup>")
        elif w == "\\plain":
            self.kill("*", "G")
            self.color = self.size = self.face = self.font = ""
        elif w == "\\par":
            if not self.in_codes("</ul>") and not self.in_codes(LIST_ITEM):
                self.before_break += "<br>" + self.cr
            else:
                self.kill(LIST_ITEM)
                self.remove_from_next(LIST_ITEM)
            self.line_start = self.paragraph_start = True
        elif w == "\\pard":
            for e in self.codes:
                if e[2] in ("PG", "G"):
                    e[2] = "K"
            if not self.list_doc:
                self.kill(LIST_ITEM)
                self.remove_from_next(LIST_ITEM)
            self.paragraph_start = True
        elif w in ("\\pntxta", "\\pntxtb"):
            self.skip_words = 1
        elif w == "\\pntext":
            if not self.in_next(LIST_ITEM):
                self.push(LIST_ITEM, "<li>")
                self.codes2next_till("</table>")
                self.kill("*")
        elif w == "\\tab":
            self.text("\t")
        elif re.fullmatch(r"\\cf-?\d+", w):
            n = int(w[3:])
            if n == 0:
                self.color = ""
                self.new_font(False)
            else:
                if n < 0 or n >= len(self.colors):
                    raise IndexError(w)
                self.color = "#" + self.colors[n]
                self.new_font(True)
        elif re.fullmatch(r"\\fs-?\d+", w):
            n = int(w[3:])
            size = min(max(abs(n) // 7 * (1 if n >= 0 else -1), 1), 8)
            self.size = "" if size == self.default_size else str(size)
            self.new_font(False)
        elif self.faces_on and re.fullmatch(r"\\f-?\d+", w):
            n = int(w[2:])
            if n < 0 or n >= len(self.fonts):
                raise IndexError(w)
            self.face = self.fonts[n]
            self.new_font(True)

    def word(self, w):
        if self.skip_words > 0:
            self.skip_words -= 1
            return
        if w.startswith("\\") and w not in ("\\\\", "\\{", "\\}"):
            self.control(w)
        elif w == "{":
            pass
        elif w == "}":
            self.kill("*", "G")
            self.clear_next(LIST_ITEM)
            self.color = self.size = self.face = self.font = ""
        else:
            self.text(w[1:] if w in ("\\\\", "\\{", "\\}") else w)

    def convert(self, rtf, colors=None, fonts=None):
        if not rtf.strip(" ").startswith("{\\rtf"):
            return rtf
        text = re.sub(r"(?<!\r)\n", "\r\n", trim_all(rtf))
        if text.startswith("{") and text.endswith("}"):
            text = text[1:-1]
        self.list_doc = "\\list\\" in text
        self.colors, self.fonts = colors or [], fonts or []
        if "\\colortbl" in text:
            sec, text = nab_section(text, text.find("\\colortbl") + 1)
            self.colors = color_table(sec)
        if "\\fonttbl" in text:
            sec, text = nab_section(text, text.find("\\fonttbl") + 1)
            self.fonts = font_table(sec)
        for group in ("\\stylesheet", "\\info", "\\listtable", "\\listoverridetable"):
            if group in text:
                _, text = nab_section(text, text.find(group) + 1)
        skip = 0
        while text:
            self.line, text = nab_next_line(text)
            while self.line:
                w, self.line = nab_next_word(self.line)
                if skip == 0:
                    if w in ("\\pict", "\\*"):
                        skip = 1
                        continue
                    if w == "\\pntext":
                        skip = 1
                else:
                    if w == "{":
                        skip += 1
                    elif w == "}":
                        skip -= 1
                    continue
                if w:
                    self.word(w)
        closing = "".join(e[0] for e in self.codes)
        breaks = self.before_break.replace("<br>", "").replace("\r\n", "")
        return self.phrase + self.before_close + breaks + closing


def convert(rtf, options=""):
    return Model(options).convert(rtf)
