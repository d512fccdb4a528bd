#!/usr/bin/env bash
# Runs a test program as a client of GNOME's compositor: mutter, headless on a virtual monitor, on a session bus
# of its own, in a private runtime folder and home. The compositor plays its sounds (the bell's, for one)
# through ALSA into a file, whose path the test program finds in ORBETTA_TEST_DESKTOP_SOUND. With --alert-sounds
# off first, the desktop's setting for the bell's sound is off, as a user can turn it off in GNOME.
# Everything it starts is stopped when it ends; without mutter the test is skipped (status 77).
set -euo pipefail
alert=on
if [ "${1:-}" = "--alert-sounds" ]; then
    alert="$2"
    shift 2
fi
program="$1"
shift

for tool in mutter dbus-daemon; do
    if ! command -v "$tool" >/dev/null; then
        echo "run-under-mutter: $tool is missing (scripts/install-deps --test installs it); skipped" >&2
        exit 77
    fi
done

name=run-under-mutter
# shellcheck source=session.sh
source "$(dirname "$0")/session.sh"

unset DISPLAY WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
# Sounds go to a file, not to a sound card.
printf 'pcm.!default { type file; slave.pcm { type null }; file "%s"; format "raw" }\n' "$work/sound.raw" \
    >"$HOME/.asoundrc"
# The desktop's settings from a file: GNOME's "alert sounds" switch is the bell's audible setting.
export GSETTINGS_BACKEND=keyfile
audible=true
[ "$alert" = off ] && audible=false
printf '[org/gnome/desktop/wm/preferences]\naudible-bell=%s\n' "$audible" >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"

dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" >"$work/bus.log" 2>&1 &
bus_pid=$!
started+=("$bus_pid")
wait_for "the session bus" "$bus_pid" '[ -S "$work/bus" ]'
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"

unset CANBERRA_DRIVER
mutter --wayland --headless --no-x11 --virtual-monitor 800x600 --wayland-display=wayland-test \
    >"$work/mutter.log" 2>&1 &
mutter_pid=$!
started+=("$mutter_pid")
wait_for mutter "$mutter_pid" '[ -S "$work/wayland-test" ]'

export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
export ORBETTA_TEST_COMPOSITOR=mutter ORBETTA_TEST_DESKTOP_SOUND="$work/sound.raw" ORBETTA_TEST_ALERT_SOUNDS="$alert"
status=0
"$program" "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- mutter's log" >&2
    cat "$work/mutter.log" >&2
fi
exit "$status"
