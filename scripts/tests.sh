#!/usr/bin/env bash
# Builds and runs the whole test suite, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/installe.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVRIX_TESTS=ON -DVRIX_BENCH=ON >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DVRIX_TESTS=ON -DVRIX_SANITIZE=ON >/dev/null
cmake --build build-san -j2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-san --output-on-failure -j2
