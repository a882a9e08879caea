#!/bin/sh
# Installs what building, running and testing the game needs on Debian 12.
# Run as root (or through sudo). Packages already present are left alone.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
  libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xdotool desktop-file-utils"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi
