#!/usr/bin/env bash
# Start-up benchmark: time from launch to the first painted frame, and peak resident memory, of Orbetta next to
# the floor (a bare Qt window of the same shape, orbetta_floor, built beside it), xcalc and galculator, launched
# in rounds on a private Xvfb server: one warm-up round, then N rounds of one launch each. Prints the medians
# side by side and, for each program, the median of its ratios to the floor within each round (and of its
# differences to it), which hold on a busy machine where medians taken apart do not.
#
#   bench/startup.sh [--runs N] [--floor-only] [--snapshots DIR] [ORBETTA_BINARY] [LABEL=PROGRAM...]
#
# ORBETTA_BINARY defaults to build/orbetta in this checkout; N defaults to 21 and may not be less than 15;
# --floor-only leaves out xcalc and galculator; LABEL=PROGRAM adds a program to each round (another build,
# compared within the same rounds); --snapshots keeps a picture of every first frame. bench/install-deps
# installs what is needed. BENCH_VERBOSE=1 also prints every run.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
runs=21
snapshots=()
others=(xcalc galculator)
extra=()
orbetta="$here/../build/orbetta"
while [ $# -gt 0 ]; do
    case "$1" in
    --runs)
        runs="$2"
        shift 2
        ;;
    --floor-only)
        others=()
        shift
        ;;
    --snapshots)
        mkdir -p "$2"
        snapshots=(--snapshots "$(cd "$2" && pwd)")
        shift 2
        ;;
    -h | --help)
        sed -n '2,14p' "${BASH_SOURCE[0]}"
        exit 0
        ;;
    *=*)
        extra+=("$1")
        shift
        ;;
    *)
        orbetta="$1"
        shift
        ;;
    esac
done
if ! [[ "$runs" =~ ^[0-9]+$ ]] || [ "$runs" -lt 15 ]; then
    echo "startup.sh: --runs takes a whole number of at least 15" >&2
    exit 2
fi

for tool in Xvfb g++ "${others[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        echo "startup.sh: $tool is missing; run bench/install-deps" >&2
        exit 2
    fi
done
if [ ! -x "$orbetta" ]; then
    echo "startup.sh: no Orbetta program at $orbetta; build it or give its path" >&2
    exit 2
fi
orbetta="$(cd "$(dirname "$orbetta")" && pwd)/$(basename "$orbetta")"
floor="$(dirname "$orbetta")/orbetta_floor"
if [ ! -x "$floor" ]; then
    echo "startup.sh: no floor program at $floor; build the target orbetta_floor" >&2
    exit 2
fi

. "$here/clean_display.sh"

g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic "$here/firstframe.cpp" -o "$work/firstframe" -lX11 -lXdamage

echo "Start-up on Xvfb $DISPLAY, $runs interleaved rounds after one warm-up round" \
    "($(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
echo "  orbetta:    $orbetta"
echo "  floor:      $floor"
for other in "${others[@]}"; do
    package="$other"
    [ "$other" = xcalc ] && package=x11-apps
    version="$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null || echo '?')"
    printf '  %-11s %s (%s)\n' "$other:" "$version" "$package"
done
for program in "${extra[@]}"; do
    printf '  %-11s %s\n' "${program%%=*}:" "${program#*=}"
done
echo
programs=("orbetta=$orbetta" "floor=$floor" "${extra[@]}")
for other in "${others[@]}"; do
    programs+=("$other=$other")
done
"$work/firstframe" --runs "$runs" --child-log "$work/programs.log" "${snapshots[@]}" --baseline floor \
    "${programs[@]}" 2>"$work/runs.log" || {
    cat "$work/runs.log" >&2
    exit 1
}
if [ -n "${BENCH_VERBOSE:-}" ]; then
    echo
    cat "$work/runs.log"
fi
