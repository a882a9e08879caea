#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lets the Orca screen reader listen to the game with no screen, sound card or
# desktop session: a private X server (Xvfb) under openbox, a private D-Bus
# session with its own AT-SPI bus and registry, and speech-dispatcher talking
# through its silent "dummy" module.  Orca writes what it would say into its
# debug log; after each key pressed in the game this prints the log's
# "SPEECH OUTPUT" lines and those about the locus of focus.
#
#   tools/try-orca.sh build/release/mosaic-rush [GAME.tsq]
#
# Without a saved game, a 3 x 3 sliding game a few moves from solved is
# played.  KEYS="Left ctrl+z" (xdotool key names) chooses other keys;
# KEEP=DIR keeps Orca's whole debug log and the helpers' logs in DIR;
# ALL=1 also prints the event manager's notes of the locus of focus.
# Needs: apt-get install orca speech-dispatcher xvfb openbox xdotool at-spi2-core dbus
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 GAME_BINARY [GAME.tsq]" >&2
    exit 2
fi
game=$(realpath "$1")
tsq=${2:+$(realpath "$2")}

# A D-Bus session of our own, ended by dbus-run-session when we return.
if [ -z "${TRY_ORCA_PRIVATE_BUS:-}" ]; then
    for tool in dbus-run-session Xvfb openbox xdotool orca speech-dispatcher \
        /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
        command -v "$tool" >/dev/null || { echo "try-orca: $tool is missing" >&2; exit 1; }
    done
    unset DISPLAY WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
    TRY_ORCA_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$game" ${tsq:+"$tsq"}
fi

work=$(mktemp -d /tmp/try-orca.XXXXXX)
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime GSETTINGS_BACKEND=memory
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Each helper runs as the leader of a process group of its own; all of them
# are ended on the way out, whatever the way.
groups=()
start() {  # start NAME COMMAND...: runs COMMAND in the background, logged
    local name=$1
    shift
    setsid "$@" >"$work/$name.log" 2>&1 </dev/null &
    groups+=("$!")
}
finish() {
    local status=$?
    local pid
    for pid in "${groups[@]}"; do kill -TERM -- "-$pid" 2>/dev/null || true; done
    sleep 1
    for pid in "${groups[@]}"; do kill -KILL -- "-$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if [ -n "${KEEP:-}" ]; then
        mkdir -p "$KEEP"
        cp "$work"/*.log "$work"/orca-debug.txt "$KEEP"/ 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT TERM

fail() { echo "try-orca: $*" >&2; exit 1; }
wait_for() {  # wait_for SECONDS WHAT COMMAND...
    local limit=$1 what=$2
    shift 2
    for _ in $(seq $((limit * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "$what"
}

# X server and window manager.
exec 3>"$work/display"
start Xvfb Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp
exec 3>&-
wait_for 20 "Xvfb did not start" grep -q . "$work/display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
start openbox openbox --sm-disable
wait_for 20 "openbox did not start" xdotool get_num_desktops

# The AT-SPI bus, asked for by name only once its launcher owns the name (an
# earlier question would have the session bus start a launcher of its own).
# The launcher gets no X display: it would publish the bus address on the
# root window, and Qt 6.4 running as root, taking it from there, never
# switches its accessibility bridge on.
start at-spi-bus-launcher env -u DISPLAY /usr/libexec/at-spi-bus-launcher --launch-immediately
bus_owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true
}
wait_for 20 "AT-SPI cannot start: no accessibility bus" bus_owned
start at-spi2-registryd /usr/libexec/at-spi2-registryd

# speech-dispatcher with the silent module, on a socket of our own, playing
# into libao's null driver: there is no sound card.
cp -r /etc/speech-dispatcher "$work/speechd"
cat >>"$work/speechd/speechd.conf" <<'EOF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
EOF
echo "default_driver=null" >"$HOME/.libao"
export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"
start speech-dispatcher speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" \
    --communication-method unix_socket --socket-path "$work/speechd.sock" \
    --log-dir "$work" --pid-file "$work/speechd.pid"
wait_for 20 "speech-dispatcher did not start" test -S "$work/speechd.sock"

# Orca.
debug=$work/orca-debug.txt
start orca orca --replace --user-prefs "$work/orca-prefs" --debug-file "$debug"
orca=$!
wait_for 30 "Orca did not start (see its log with KEEP=DIR)" grep -q "SPEECH OUTPUT" "$debug"

# The game.
if [ -z "$tsq" ]; then
    # 1 2 3 / 4 . 5 / 7 8 6: a sliding game three moves from solved.
    tsq=$work/game.tsq
    printf '\003\003\000\000\001\002\003\004\377\005\007\010\00611' >"$tsq"
fi
start game env QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$game" "$tsq"
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --pid "${groups[-1]}" 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the game's window did not show: $(cat "$work/game.log")"
xdotool windowactivate --sync "$window"

# Orca's debug log is written with a delay: the keys are pressed first, noting
# when, and once Orca has been ended its log is cut at those times.
read -r -a keys <<<"${KEYS:-Up ctrl+z ctrl+shift+z h a}"
times=()
sleep 5
for key in "${keys[@]}"; do
    times+=("$(date +%H:%M:%S.%6N)")
    xdotool key --clearmodifiers "$key"
    sleep 3
done
times+=("99")
kill -TERM -- "-$orca" 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done

# Speech and changes of the locus of focus from time $1 to $2 (ALL=1: also
# the event manager's many notes of where the locus is).
show() {
    awk -v from="$1" -v to="$2" '/^[0-9][0-9]:/ { keep = $1 >= from && $1 < to } keep' "$debug" |
        grep -a -E "SPEECH OUTPUT|locusOfFocus" |
        { if [ -n "${ALL:-}" ]; then cat; else grep -a -v "EVENT MANAGER: locusOfFocus:"; fi; } |
        sed 's/^/    /' || true
}
echo "== the game starts"
show 00 "${times[0]}"
for i in "${!keys[@]}"; do
    echo "== ${keys[$i]}"
    show "${times[$i]}" "${times[$((i + 1))]}"
done
