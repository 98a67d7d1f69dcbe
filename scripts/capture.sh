#!/usr/bin/env bash
# Starts the main window on a virtual X display, opens a sample drawing, runs
# one of these scenes, shows Plan 2 and saves the window as a PNG image:
#   vecteurs  "Représentation", the contour vectors and the stroke axes drawn (the default);
#   zones     "Représentation", "Zones Texte": the recognised text;
#   graphe    the same, "Redessine", then the stroke graph drawn;
#   symboles  the same, "Redessine", "Liaisons multiples", the symbols drawn;
#   totale    "Totale" alone, which ends showing the symbols on Plan 2.
#   ./scripts/capture.sh [IMAGE.bmp] [SORTIE.png] [SCENE]
#   (default: samples/formule.bmp, out/vrix.png, vecteurs)
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
./scripts/installe.sh
image=$(realpath "${1:-samples/formule.bmp}")
sortie=$(realpath -m "${2:-out/vrix.png}")
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVRIX_TESTS=ON >/dev/null
cmake --build build -j2 --target vrix vrix_capture
mkdir -p "$(dirname "$sortie")"
# The data files are read from the directory the window starts in.
cd data
xvfb-run -a -s "-screen 0 1280x900x24" "$racine/build/tests/qt/vrix_capture" "$image" "$sortie" "${3:-vecteurs}"
echo "$sortie"
