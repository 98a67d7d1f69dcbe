#!/usr/bin/env bash
# Runs the open formula reader of the distribution (Debian package osra,
# default options) over a folder of images, for comparison with vrix-batch:
# writes OUT/NAME.smi ("SMILES<TAB>NAME", the structures of one image joined
# by ".") and OUT/temps.txt (CPU seconds per image, then the total).
# usage: scripts/mesure_osra.sh IMAGES_DIR OUT_DIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 IMAGES_DIR OUT_DIR" >&2; exit 2; }
command -v osra >/dev/null || ./scripts/installe.sh osra
mkdir -p "$2"
: > "$2/temps.txt"
for image in "$1"/*; do
  case "${image,,}" in
    *.bmp | *.png | *.tif | *.tiff | *.jpg | *.jpeg | *.pnm | *.pbm | *.pgm | *.ppm) ;;
    *) continue ;;
  esac
  [ -f "$image" ] || continue
  nom=$(basename "${image%.*}")
  smiles=$( { /usr/bin/time -f "%U %S" -o "$2/.t" osra "$image" 2>/dev/null || true; } | awk 'NF{print $1}' | paste -sd. -)
  printf '%s\t%s\n' "$smiles" "$nom" > "$2/$nom.smi"
  printf '%s %s\n' "$nom" "$(awk '{print $1+$2}' "$2/.t")" >> "$2/temps.txt"
done
rm -f "$2/.t"
awk '{s+=$2} END {printf "total %.2f s, %d images\n", s, NR}' "$2/temps.txt" | tee -a "$2/temps.txt"
