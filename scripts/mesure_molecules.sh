#!/usr/bin/env bash
# Measures the molecules read by vrix-batch: builds what it needs (in
# build-gen), generates the molecule sets from the lists of
# outils/formules/molecules if they are missing (in $JEUX_MOL, by default
# /work/jeux-mol, outside the repository), reads each set with
# `vrix-batch --smiles` and prints one table of scores. The real patent crops
# of ../shared/real/clef-dev are scored too when present (tuning: US2003*,
# held-out: the rest). Until vrix-batch writes SMILES, the truths stand in for
# the results, which only checks the chain.
# usage: scripts/mesure_molecules.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-gen}
jeux=${JEUX_MOL:-/work/jeux-mol}
reel=${CLEF_DEV:-../shared/real/clef-dev}
listes=outils/formules/molecules

[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVRIX_TESTS=ON -DVRIX_QT=ON \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j2 --target genere_formules mesure_molecules vrix-batch >/dev/null
gen=$build/outils/formules/genere_formules
mesure=$build/outils/mesures/mesure_molecules
batch=$build/vrix-batch

# A set: its folder and the lists drawn into it, each with its seed.
genere() {  # DIR STYLE LIST SEED [LIST SEED...]
  local dir=$1 style=$2
  shift 2
  [ -d "$dir" ] && [ -n "$(ls "$dir"/*.smi 2>/dev/null)" ] && return 0
  mkdir -p "$dir"
  while [ $# -ge 2 ]; do
    "$gen" --smiles "$1" "$2" "$dir" "$style" >/dev/null 2>>"$dir/sautes.txt"
    shift 2
  done
}
genere "$jeux/reglage_propre" propre "$listes/reglage.smi" 1 "$listes/manuel.smi" 2
genere "$jeux/reglage_degrade" degrade "$listes/reglage.smi" 1 "$listes/manuel.smi" 2
genere "$jeux/tenues_propre" propre "$listes/tenues_a_part.smi" 3
genere "$jeux/tenues_degrade" degrade "$listes/tenues_a_part.smi" 3

smiles=0
"$batch" -h 2>&1 | grep -q -- --smiles && smiles=1
[ $smiles = 1 ] || echo "vrix-batch writes no SMILES yet: the truths stand in for the results" >&2

# Reads a folder of images into OUT; the truths themselves without --smiles.
lit() {  # IMAGES OUT
  rm -rf "$2"
  mkdir -p "$2"
  if [ $smiles = 1 ]; then
    local debut fin
    debut=$(date +%s.%N)
    "$batch" -d data --smiles -o "$2" "$1" >/dev/null 2>"$2/journal.txt" || true
    fin=$(date +%s.%N)
    echo "$(basename "$1"): $(awk -v a="$debut" -v b="$fin" 'BEGIN {printf "%.1f", b - a}') s" >> "$jeux/temps.txt"
  else
    cp "$1"/*.smi "$2"/
  fi
}

: > "$jeux/temps.txt"
entete=--entete
for jeu in reglage_propre reglage_degrade tenues_propre tenues_degrade; do
  lit "$jeux/$jeu" "$jeux/resultats/$jeu"
  "$mesure" "$jeux/$jeu" "$jeux/resultats/$jeu" --ligne "$jeu" $entete
  entete=
done
if [ -d "$reel/images" ] && [ $smiles = 1 ]; then
  lit "$reel/images" "$jeux/resultats/clef_dev"
  "$mesure" "$reel/molfiles" "$jeux/resultats/clef_dev" --mol --prefixe US2003 --ligne "clef-dev tuning (US2003*)"
  "$mesure" "$reel/molfiles" "$jeux/resultats/clef_dev" --mol --sauf-prefixe US2003 --ligne "clef-dev held-out"
fi
echo "generic groups (R, R1, X, dummy atoms, molfile aliases, R#) count as the same atom \"*\" on both sides"
[ $smiles = 1 ] && cat "$jeux/temps.txt"
exit 0
