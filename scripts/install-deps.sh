#!/usr/bin/env bash
# Installs every Debian 12 package the editor needs to build, run and test, and any packages
# named as arguments (the package build names its own tools so).
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
PACKAGES=(
  g++ cmake make pkg-config git ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-svg-dev
  libqscintilla2-qt6-dev
  qt6-webengine-dev qt6-webengine-dev-tools
  qt6-speech-dev qt6-speech-flite-plugin
  qt6-declarative-dev
  libhunspell-dev hunspell-en-us
  libcurl4-openssl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps imagemagick
  python3-pyftpdlib
  fonts-dejavu-core adwaita-icon-theme
  default-jdk-headless
  libreoffice-writer-nogui
  "$@"
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
