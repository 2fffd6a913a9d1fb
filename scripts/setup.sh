#!/usr/bin/env bash
# Installs whatever building, playing and testing Volna needs and the machine lacks
# (Debian 12). Does nothing when everything is there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config      # the build
  libgtest-dev                   # the tests
  qt6-base-dev libgl-dev         # the desktop front-end
  fonts-ipafont-gothic           # stands in for "ＭＳ Ｐゴシック"
  fonts-aoyagi-kouzan-t          # stands in for "HGP行書体", the title's brush script
  xvfb xauth                     # a virtual display for playing and testing without a screen
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
