#!/usr/bin/env bash
# Prints the size of the test suite against the product code: non-blank lines of the C++
# files git tracks in tests/, and in src/, include/, tools/ and hosts/. For information.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
  git ls-files -- "$@" | grep -E '\.(c|cc|cpp|cxx|h|hh|hpp)$' | while read -r f; do
    [ -f "$f" ] && cat "$f"
  done | grep -cv '^[[:space:]]*$' || true
}
tests=$(count tests)
product=$(count src include tools hosts)
awk -v t="$tests" -v p="$product" \
  'BEGIN { printf "test code: %d lines, product code: %d lines, ratio %.2f\n", t, p, t / p }'
