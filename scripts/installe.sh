#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail
paquets=(g++ cmake make pkg-config libleptonica-dev librdkit-dev libboost-dev libgtest-dev libbenchmark-dev clang qt6-base-dev qt6-multimedia-dev xvfb xauth fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35 fonts-liberation2 fonts-freefont-ttf "$@")
manquants=()
for p in "${paquets[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installing: ${manquants[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
fi
