#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those still missing.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  qt6-translations-l10n
  # the order archive: Qt SQL's SQLite and PostgreSQL drivers; the server for its tests
  libqt6sql6-sqlite libsqlite3-dev
  libqt6sql6-psql postgresql-15
  libjpeg-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth
  poppler-utils libxml2-utils
  # the Debian package and its checks
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info libglib2.0-bin
  xdg-utils libfile-mimeinfo-perl  # xdg-email for "Per E-Mail senden…", the package checks
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
