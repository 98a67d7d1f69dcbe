#!/usr/bin/env bash
# Builds vrix-batch and runs it on the sample drawings with the default
# param.dat; the results go to out/, the SMILES of each drawing also to the
# standard output.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/installe.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target vrix-batch
mkdir -p out
./build/vrix-batch -d data --mol --smiles -o out samples/*.bmp
