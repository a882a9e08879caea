#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs reader_test.py against the game binary given as $1, in a D-Bus session
# of its own; the test starts its own X server, window manager and AT-SPI bus
# and ends them all before it returns.
#
#   sh tests/accessibility/run-reader-test.sh build/release/mosaic-rush
#
# Further arguments go to unittest, e.g. SlidingPlay to run one group.
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 GAME_BINARY [TEST...]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
missing=""
for tool in Xvfb openbox xdotool dbus-run-session dbus-send \
    /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    missing="$missing python3-pyatspi"
fi
if [ -n "$missing" ]; then
    echo "reader test: AT-SPI cannot start, missing:$missing (run tools/install-deps.sh)" >&2
    exit 1
fi
# Nothing of the caller's desktop or accessibility bus leaks in.
unset DISPLAY WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
exec dbus-run-session -- /usr/bin/python3 "$here/reader_test.py" "$@"
