#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for a short smoke time, each from its
# seed corpus, with new findings kept in a scratch corpus outside the tree.
set -euo pipefail
build="$1"; seconds="${2:-20}"
status=0
for fuzzer in "$build"/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  seeds="fuzz/corpus/$name"
  scratch="$build/fuzz/corpus-$name"
  mkdir -p "$scratch"
  echo "== $name ($seconds s)"
  "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1024 -print_final_stats=1 \
    "$scratch" "$seeds" 2>&1 | tail -n 12 || status=1
done
exit $status
