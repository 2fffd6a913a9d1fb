#!/usr/bin/env bash
# Plays one scenario file through volna-script in an empty directory and compares every
# answer with the expected ones beside it (NAME.txt -> NAME.out).
set -euo pipefail
script=$1 scenario=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$script" --dir "$dir" --seed 1 < "$scenario" > "$dir/answers"
diff -u "${scenario%.txt}.out" "$dir/answers"
