# Sourced by the scripts that run a test program under a compositor of its own: a private folder for everything
# the run makes, the processes it starts stopped (last started, first stopped) and the folder removed when the
# script ends, and a bounded wait for each of them to be ready. The sourcing script sets `name` first.

work="$(mktemp -d)"
chmod 700 "$work"
started=()
stop() {
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null || true
        wait "${started[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop EXIT

# Waits up to 20 s for a condition, checking that the process it depends on still runs.
wait_for() {
    local what="$1" pid="$2" condition="$3"
    for _ in $(seq 200); do
        if eval "$condition"; then
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    echo "$name: $what did not start" >&2
    cat "$work"/*.log >&2 2>/dev/null || true
    exit 1
}
