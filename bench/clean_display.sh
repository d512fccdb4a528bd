# Sourced by the benchmark scripts: a work folder removed on exit, a private Xvfb server (black root, no
# listening on the network) as DISPLAY, and the same clean slate for every program: no settings of the user,
# no session bus, no desktop theme, one locale. The bus address leads nowhere, so a program that looks for the
# bus fails at once instead of trying to start one (a fork and a search of PATH whose time varies by
# milliseconds from run to run).

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The server writes its display number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "$(basename "$0"): Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

mkdir -p "$work/home/.config" "$work/home/.cache"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
unset SESSION_MANAGER XDG_RUNTIME_DIR QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
