#!/usr/bin/env bash
# Builds the Debian package build/narabitouch_VERSION_amd64.deb with CPack and checks it
# with lintian (an error or a warning there fails the script).
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) finds the package's dependencies; lintian checks the result.
scripts/deps.sh dpkg-dev lintian file
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(narabitouch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="build/narabitouch_${version}_amd64.deb"
echo "$deb"
lintian --fail-on error,warning --info "$deb"
