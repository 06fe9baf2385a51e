#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when one is missing.
set -e
packages="build-essential cmake ninja-build pkg-config libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
libsdl2-net-dev libsdl2-gfx-dev libvorbis-dev googletest libgtest-dev libbenchmark-dev xfonts-base zlib1g-dev
clang libclang-rt-14-dev lld"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
