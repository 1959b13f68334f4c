#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need (only the missing ones):
# the build draws the icons (rsvg-convert); the suite checks the metainfo and the menu entry
# (appstreamcli, desktop-file-validate); the monkey runs inside the platform's event dispatcher
# (Qt's private headers).
set -euo pipefail
packages=(
  cmake make g++ pkg-config ccache
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev libqt6opengl6-dev libsndfile1-dev
  libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth pulseaudio
  poppler-utils qt6-translations-l10n
  librsvg2-bin
  appstream desktop-file-utils
)
# Packages a script needs beyond those (scripts/package.sh), named as arguments.
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
