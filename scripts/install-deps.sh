#!/usr/bin/env bash
# Installs the Debian 12 packages Brindel needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev qt6-translations-l10n libgl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libpng-dev zlib1g-dev libjpeg62-turbo-dev libgif-dev
  libgtest-dev googletest
  xvfb xauth fonts-dejavu-core
  poppler-utils
  desktop-file-utils appstream xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installation des paquets manquants : ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
