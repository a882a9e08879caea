#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing the game needs on Debian 12.
# Packages already present are left alone; apt-get runs as root, through sudo
# when the script is started by another user.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
  libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xdotool desktop-file-utils
  appstream shared-mime-info qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  python3-pyatspi at-spi2-core openbox dbus gettext dpkg-dev file lintian"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root="sudo"
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi
