#!/usr/bin/env bash
# rtf2html3 against unrtf --html on the same RTF, as whole processes (goal: at least 5x
# faster on a 1.3 MB document), hostile input that opens the same format again and again
# (goal: 4x the input in at most 5x the time), and rtf2html3 on growing inputs (the time
# per megabyte should stay flat).
#
# Usage: bench/bench_rtf2html.sh [BUILD_DIR]   (default: build)
# Needs hyperfine, unrtf and python3.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
orvane="$(cd "$build" && pwd)/orvane"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A WordPad-style document (CR LF lines) of about $2 megabytes: paragraphs with bold,
# italic, underline, strike-through, colours, two fonts, sizes, centred and right-aligned
# paragraphs and Latin-1 escapes.
make_rtf() {
  python3 - "$1" "$2" <<'PY'
import random, sys
path, mb = sys.argv[1], float(sys.argv[2])
rnd = random.Random(42)
words = ["servi\\'e7o", "t\\'e9cnico", "alarme", "monitora\\'e7\\'e3o", "ve\\'edculo",
         "rastreador", "cliente", "or\\'e7amento", "contrato", "instala\\'e7\\'e3o",
         "central", "sensor", "bateria", "manuten\\'e7\\'e3o", "S\\'e3o", "Paulo", "n\\'ba",
         "\\'bd", "sa\\'edda", "c\\'f3digo"]
def run():
    w = " ".join(rnd.choice(words) for _ in range(rnd.randint(2, 6))) + " "
    k = rnd.randrange(8)
    if k == 0: return "\\b " + w + "\\b0 "
    if k == 1: return "\\i " + w + "\\i0 "
    if k == 2: return "\\ul " + w + "\\ulnone "
    if k == 3: return "\\cf%d %s\\cf0 " % (rnd.randint(1, 3), w)
    if k == 4: return "\\fs%d %s\\fs22 " % (rnd.choice([16, 28, 36]), w)
    if k == 5: return "{\\f1 " + w + "}"
    if k == 6: return "\\strike " + w + "\\strike0 "
    return w
head = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1046{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
        "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;"
        "\\red0\\green128\\blue0;}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n")
out = [head]
size, target = len(head), int(mb * 1024 * 1024)
while size < target:
    align = rnd.choice(["", "", "", "\\qc", "\\qr"])
    para = "\\pard\\sa200\\sl276\\slmult1%s\\f0\\fs22 %s\\par\r\n" % (
        align, "".join(run() for _ in range(rnd.randint(3, 12))))
    out.append(para)
    size += len(para)
out.append("}\r\n")
open(path, "w", newline="").write("".join(out))
PY
}

make_rtf "$work/doc.rtf" 1.3
echo "== 1.3 MB document: rtf2html3 (default and +WF) vs unrtf --html"
hyperfine --warmup 2 --runs 10 -N \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/doc.rtf" \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/doc.rtf +WF" \
  "unrtf --html $work/doc.rtf" \
  --export-json "$work/cmp.json" >/dev/null
python3 - "$work/cmp.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
cpu = lambda x: x["user"] + x["system"]
print("               %10s %10s" % ("wall", "cpu"))
for name, x in zip(["rtf2html3", "rtf2html3 +WF", "unrtf"], r):
    print("%-14s %8.1f ms %7.1f ms" % (name, x["median"] * 1000, cpu(x) * 1000))
print("speed-up       %8.1fx  %7.1fx (goal >= 5x)"
      % (r[2]["median"] / r[0]["median"], cpu(r[2]) / cpu(r[0])))
PY

echo "== hostile input: \\b and a letter, again and again (1 MB and 4 MB)"
for mb in 1 4; do
  python3 - "$work/hostile$mb.rtf" "$mb" <<'PY'
import sys
unit = "\\b x"
n = int(sys.argv[2]) * 1024 * 1024 // len(unit)
open(sys.argv[1], "w").write("{\\rtf1 " + unit * n + "}")
PY
done
hyperfine --warmup 1 --runs 5 -N \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/hostile1.rtf" \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/hostile4.rtf" \
  --export-json "$work/hostile.json" >/dev/null
python3 - "$work/hostile.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
cpu = lambda x: (x["user"] + x["system"]) * 1000
for mb, x in zip([1, 4], r):
    print("%d MB  wall %7.1f ms  cpu %7.1f ms" % (mb, x["median"] * 1000, cpu(x)))
print("4x the input: %.2fx the wall time, %.2fx the cpu time (goal <= 5x)"
      % (r[1]["median"] / r[0]["median"], cpu(r[1]) / cpu(r[0])))
PY

echo "== linearity: rtf2html3 time per megabyte"
for mb in 2 5 10 20; do
  make_rtf "$work/doc$mb.rtf" $mb
done
hyperfine --warmup 1 --runs 3 -N \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/doc2.rtf" \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/doc5.rtf" \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/doc10.rtf" \
  "$orvane call FuncoesOrvane rtf2html3 @file:$work/doc20.rtf" \
  --export-json "$work/lin.json" >/dev/null
python3 - "$work/lin.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
for mb, x in zip([2, 5, 10, 20], r):
    c = (x["user"] + x["system"]) * 1000
    print("%3d MB  wall %8.1f ms  cpu %8.1f ms  %6.1f cpu ms/MB" % (mb, x["mean"] * 1000, c, c / mb))
PY
