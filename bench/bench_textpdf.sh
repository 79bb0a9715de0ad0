#!/usr/bin/env bash
# GeraPDF.ConvertToPDF as a whole process against enscript | ps2pdf on the same text, and
# the converter's peak memory for growing inputs (it streams, so the peak should not grow).
#
#   bench/bench_textpdf.sh [BUILD_DIR]      (default: build)
#
# Needs hyperfine, enscript, ghostscript (ps2pdf) and GNU time (/usr/bin/time).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
orvane="$build/orvane"
[ -x "$orvane" ] || { echo "build the orvane command first ($orvane)" >&2; exit 1; }
for tool in hyperfine enscript ps2pdf /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A Portuguese-looking text with accents, parentheses and punctuation; line lengths
# from 60 to 140 characters, so most lines wrap once. 50 000 lines are about 5 MB and
# stay within the converter's 1 664 pages.
make_text() {  # LINES FILE
  awk -v n="$1" 'BEGIN {
    srand(7)
    split("ação não é às você café coração informação pão mãe São Paulo contrato " \
          "orçamento veículo rastreador alarme monitoramento cliente endereço serviço " \
          "(ordem) [item] total: R$ 1.234,56; valor, prazo. fim! \"aspas\" de do da em " \
          "um uma para com sem sobre", w, " ")
    nw = length(w)
    for (i = 0; i < n; i++) {
      len = 60 + int(rand() * 81)
      s = ""
      while (length(s) < len) s = s w[1 + int(rand() * nw)] " "
      printf "%s\r\n", substr(s, 1, len)
    }
  }' >"$2"
}

make_text 50000 "$work/text50k.txt"
echo "input: $(wc -l <"$work/text50k.txt") lines, $(stat -c %s "$work/text50k.txt") bytes"

convert() { "$orvane" call GeraPDF ConvertToPDF "$1" "$2"; }
convert "$work/text50k.txt" "$work/orvane.pdf"
echo "orvane output: $(pdfinfo "$work/orvane.pdf" | awk '/^Pages:/ {print $2}') pages," \
  "$(stat -c %s "$work/orvane.pdf") bytes"

hyperfine --warmup 2 --runs 10 --export-markdown "$work/speed.md" \
  -n orvane "$orvane call GeraPDF ConvertToPDF $work/text50k.txt $work/orvane.pdf" \
  -n enscript+ps2pdf "enscript -q -B -f Courier10 -p - $work/text50k.txt | ps2pdf - $work/peer.pdf"
cat "$work/speed.md"

echo
echo "peak memory of orvane (maximum resident set size):"
for n in 5000 25000 50000; do
  make_text "$n" "$work/text.txt"
  kb=$(/usr/bin/time -f %M "$orvane" call GeraPDF ConvertToPDF "$work/text.txt" "$work/m.pdf" \
    2>&1 >/dev/null | tail -1)
  printf "  %6d lines (%8d bytes): %6d KiB\n" "$n" "$(stat -c %s "$work/text.txt")" "$kb"
done
