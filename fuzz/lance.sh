#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# seconds (default 60): fuzz/lance.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
secondes=${1:-60}
shift || true
CXX=clang++ cmake -S . -B build-fuzz -DVRIX_FUZZ=ON -DVRIX_QT=OFF -DVRIX_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 >/dev/null
cibles=("$@")
if [ ${#cibles[@]} -eq 0 ]; then
  for f in build-fuzz/fuzz/fuzz_*; do cibles+=("$(basename "$f")"); done
fi
for c in "${cibles[@]}"; do
  mkdir -p "build-fuzz/corpus/$c"
  echo "== $c ($secondes s)"
  graines=()
  [ -d "fuzz/graines/$c" ] && graines=("fuzz/graines/$c")
  "build-fuzz/fuzz/$c" -max_total_time="$secondes" -max_len=65536 -print_final_stats=1 \
    "build-fuzz/corpus/$c" "${graines[@]}" 2>&1 | grep -E '^(#|INFO: seed|==|stat::number_of_executed_units|SUMMARY)' | tail -3
done
