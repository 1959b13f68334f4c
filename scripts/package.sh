#!/usr/bin/env bash
# Builds the Debian package build/narabitouch_VERSION_amd64.deb with CPack and checks it
# with lintian (an error there fails the script).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# dpkg-shlibdeps (dpkg-dev) finds the package's dependencies; lintian checks the result.
missing=()
for p in dpkg-dev lintian file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(narabitouch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="build/narabitouch_${version}_amd64.deb"
echo "$deb"
lintian --info "$deb"
