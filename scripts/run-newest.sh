#!/usr/bin/env bash
# Starts the most complete front end the build produced: the creator when it
# exists, else the viewer, else the command-line companion's help.
set -euo pipefail
build="${1:-build}"
for program in bin/lumigram-creator bin/lumigram-viewer; do
  if [ -x "$build/$program" ]; then
    shift || true
    exec "$build/$program" "$@"
  fi
done
echo "Built so far:"
find "$build" -maxdepth 3 -type f -perm -u+x -name 'lumigram*' | sort | sed 's/^/  /'
exec "$build/bin/lumigram" --help
