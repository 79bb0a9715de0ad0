#!/usr/bin/env bash
# RStoJSON through `orvane call` on 100 000 rows x 5 columns, beside `sqlite3 -json` on the
# same table, as whole processes: time, and peak memory against the size of the JSON
# produced. Goals: peak at most 5x the JSON, time within 2x sqlite3.
#
#   bench/bench_rs_to_json.sh [BUILD_DIR]      (default: build)
#
# Needs hyperfine, sqlite3, python3 and GNU time (/usr/bin/time).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
orvane="$build/orvane"
[ -x "$orvane" ] || { echo "build the orvane command first ($orvane)" >&2; exit 1; }
for tool in hyperfine sqlite3 python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
db="$work/clientes.db"
query="SELECT Cod, Nome, Cidade, Saldo, Desde FROM Clientes"

# The table of bench_rs_to_json.cpp: accents, an apostrophe, money and dates.
sqlite3 "$db" "CREATE TABLE Clientes (Cod int, Nome nvarchar(60), Cidade varchar(40),
  Saldo money, Desde datetime);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
INSERT INTO Clientes SELECT i, 'Cliente ' || i || ' Conceição D''Ávila',
  CASE i % 3 WHEN 0 THEN 'São Paulo' WHEN 1 THEN 'Belém' ELSE 'Niterói' END,
  (i * 37 % 100000) / 100.0,
  '2026-' || printf('%02d', 1 + i % 12) || '-' || printf('%02d', 1 + i % 28) || ' 10:30:00'
FROM n;"

call=("$orvane" call --db "$db" FuncoesOrvane RStoJSON "@rs:$query")
"${call[@]}" >"$work/orvane.json"
sqlite3 -json "$db" "$query" >"$work/sqlite3.json"
json_bytes=$(stat -c %s "$work/orvane.json")

peak() {  # the largest of three peak RSS readings, in KB
  local best=0 kb
  for _ in 1 2 3; do
    kb=$( { /usr/bin/time -f "%M" "$@" >/dev/null; } 2>&1 | tail -1)
    [ "$kb" -gt "$best" ] && best=$kb
  done
  echo "$best"
}
orvane_kb=$(peak "${call[@]}")
sqlite_kb=$(peak sqlite3 -json "$db" "$query")

hyperfine --warmup 2 --runs 15 -N \
  "$orvane call --db $db FuncoesOrvane RStoJSON '@rs:$query'" \
  "sqlite3 -json $db '$query'" \
  --export-json "$work/times.json" >/dev/null

python3 - "$work/times.json" "$json_bytes" "$orvane_kb" "$sqlite_kb" \
  "$(stat -c %s "$work/sqlite3.json")" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
json_bytes, orvane_kb, sqlite_kb, sqlite_bytes = map(int, sys.argv[2:6])
cpu = lambda x: (x["user"] + x["system"]) * 1000
print("100 000 rows x 5 columns")
print("                    %9s %9s %10s %12s" % ("wall ms", "cpu ms", "peak MB", "output MB"))
print("orvane RStoJSON     %9.1f %9.1f %10.1f %12.2f"
      % (r[0]["median"] * 1000, cpu(r[0]), orvane_kb / 1024, json_bytes / 2**20))
print("sqlite3 -json       %9.1f %9.1f %10.1f %12.2f"
      % (r[1]["median"] * 1000, cpu(r[1]), sqlite_kb / 1024, sqlite_bytes / 2**20))
print("time ratio          %.2fx wall, %.2fx cpu (goal <= 2x)"
      % (r[0]["median"] / r[1]["median"], cpu(r[0]) / cpu(r[1])))
print("peak / JSON size    %.2fx (goal <= 5x)" % (orvane_kb * 1024 / json_bytes))
PY
