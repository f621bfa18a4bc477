#!/usr/bin/env bash
# Installs every Debian package needed to build, test, benchmark, package and check Tessellara.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins
  libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev libxdamage-dev
  xvfb xauth x11-utils imagemagick openbox xdotool appstream
  xdg-utils shared-mime-info desktop-file-utils libglib2.0-bin librsvg2-bin debootstrap
  fakeroot dpkg-dev file man-db lintian
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
