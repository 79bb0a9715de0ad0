"""Checks the converter's output on many documents.

Reads JSON lines {"name", "rtf", "options", "html", "wf"} written by the converter tests:
"html" is the default output (or null when the conversion failed with the index error),
"wf" the output with "+WF" added to the options. For each document:
  - the default output equals the plain model of the conversion (rtf_model.py);
  - the well-formed output parses as balanced HTML: every element closed in the reverse
    order of opening, no closing tag without its opening tag, no empty element, no element
    opened inside another of the same name;
  - both outputs render the same text (tags stripped, entities decoded, CR LF ignored).
Prints one line per problem and exits 1 when there is any.
"""
import html.parser
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rtf_model  # noqa: E402

VOID = {"br"}


class Balance(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []  # [name, has_text]
        self.problems = []
        self.text = []

    def handle_starttag(self, tag, attrs):
        if tag in VOID:
            return
        if any(name == tag for name, _ in self.stack):
            self.problems.append("<%s> opened inside another <%s>" % (tag, tag))
        self.stack.append([tag, False])

    def handle_startendtag(self, tag, attrs):
        if tag not in VOID:
            self.problems.append("<%s/> is empty" % tag)

    def handle_endtag(self, tag):
        if tag in VOID:
            self.problems.append("</%s>" % tag)
            return
        if not self.stack:
            self.problems.append("</%s> without its opening tag" % tag)
            return
        name, has_text = self.stack.pop()
        if name != tag:
            self.problems.append("</%s> closes <%s>" % (tag, name))
        elif not has_text:
            self.problems.append("<%s> is empty" % tag)

    def handle_data(self, data):
        self.text.append(data)
        if data:
            for e in self.stack:
                e[1] = True

    def close(self):
        super().close()
        for name, _ in self.stack:
            self.problems.append("<%s> never closed" % name)


class Text(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.text = []

    def handle_data(self, data):
        self.text.append(data)


def rendered(markup):
    p = Text()
    p.feed(markup)
    p.close()
    return "".join(p.text).replace("\r\n", "")


def main(path):
    problems = 0
    cases = failed = tagged = 0
    for line in open(path, encoding="utf-8"):
        case = json.loads(line)
        cases += 1
        name = case["name"]

        def report(what):
            nonlocal problems
            problems += 1
            if problems <= 40:
                print("%s: %s\n  rtf: %r" % (name, what, case["rtf"]))

        try:
            expected = rtf_model.convert(case["rtf"], case["options"])
        except IndexError:
            expected = None
        failed += expected is None
        tagged += "<" in (case["html"] or "")
        if case["html"] != expected:
            report("default output differs from the model\n  got:   %r\n  model: %r"
                   % (case["html"], expected))
        wf = case.get("wf")
        if wf is None or case["html"] is None:
            continue
        b = Balance()
        b.feed(wf)
        b.close()
        for p in b.problems:
            report("well-formed output: %s\n  wf: %r" % (p, wf))
        if rendered(wf) != rendered(case["html"]):
            report("texts differ\n  default: %r\n  wf:      %r"
                   % (rendered(case["html"]), rendered(wf)))
    print("%d documents (%d with tags, %d failing with the index error), %d problems"
          % (cases, tagged, failed, problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
