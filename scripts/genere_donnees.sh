#!/usr/bin/env bash
# Regenerates every generated data file and sample drawing from its source,
# in place: the font, the three symbol libraries, the character models and
# the sample drawings with their ground truth. The results are committed, so
# running the program never needs this; run it after editing a source.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/installe.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target genere_police genere_symboles genere_modeles genere_formules genere_echantillons

./build/genere_police data/police.txt data/police.dat
./build/genere_symboles quadrilateres data/biqdl.txt data/biqdl.dat
./build/genere_symboles simples data/SymbSimplex.txt data/SymbSimplex.dat
./build/genere_symboles complexes data/SymbCplx.txt data/SymbCplx.dat
./build/outils/modeles/genere_modeles data/param.dat data/bimdl.dat
./build/outils/formules/genere_formules samples
./build/genere_echantillons samples
