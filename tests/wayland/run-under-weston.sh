#!/usr/bin/env bash
# Runs a test program as a client of a Wayland compositor of its own: weston with its X11 back end on a private
# Xvfb server (so that the compositor's own shortcuts can be pressed with xdotool), in a private runtime
# folder. Everything it starts is stopped when it ends.
# With --scale N first, the compositor's output has that scale (an X server's screen at twice the size for 2).
set -euo pipefail
scale=1
if [ "$1" = "--scale" ]; then
    scale="$2"
    shift 2
fi
program="$1"
shift

for tool in Xvfb weston xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "run-under-weston: $tool is missing (scripts/install-deps --test installs it)" >&2
        exit 1
    fi
done

name=run-under-weston
# shellcheck source=session.sh
source "$(dirname "$0")/session.sh"

# The screen has the compositor's size, so the pointer stays over it and typed keys reach it.
Xvfb -displayfd 3 -screen 0 "$((800 * scale))x$((600 * scale))x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
started+=("$xvfb_pid")
wait_for Xvfb "$xvfb_pid" '[ -s "$work/display" ]'
export DISPLAY=":$(head -n1 "$work/display")"

export XDG_RUNTIME_DIR="$work"
weston --no-config --backend=x11-backend.so --socket=wayland-test --width=800 --height=600 --scale="$scale" --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
started+=("$weston_pid")
# The shell that places and activates windows is ready once weston has launched its helper client.
wait_for weston "$weston_pid" '[ -S "$work/wayland-test" ] && grep -q "launching" "$work/weston.log"'

export WAYLAND_DISPLAY=wayland-test
export QT_QPA_PLATFORM=wayland
export ORBETTA_TEST_SCALE="$scale"
unset QT_WAYLAND_DISABLE_WINDOWDECORATION
status=0
"$program" "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- weston's log" >&2
    cat "$work/weston.log" >&2
fi
exit "$status"
