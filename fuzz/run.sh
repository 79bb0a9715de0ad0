#!/usr/bin/env bash
# Runs every harness of a fuzz build for SECONDS each, starting from its seed corpus
# (fuzz/corpus/NAME). Findings land in BUILD/artifacts; the exit status is 1 if any.
set -uo pipefail
build="${1:-build-fuzz}"
seconds="${2:-60}"
src="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$build/artifacts"
# Undefined behaviour is a finding like a crash: the first report stops the run.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
status=0
for bin in "$build"/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  work="$build/corpus/$name"
  mkdir -p "$work"
  [ -d "$src/corpus/$name" ] && cp -n "$src/corpus/$name"/* "$work"/ 2>/dev/null
  echo "== $name ($seconds s)"
  "$bin" "$work" -max_total_time="$seconds" -print_final_stats=1 -timeout=20 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artifacts/$name-" 2>"$build/$name.log"
  rc=$?
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov: " "$build/$name.log" | tail -3
  if [ $rc -ne 0 ]; then
    echo "   FINDING (exit $rc): see $build/$name.log and $build/artifacts/"
    status=1
  fi
done
exit $status
