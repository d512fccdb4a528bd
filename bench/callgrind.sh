#!/usr/bin/env bash
# Instructions to the first frame: runs each program given under callgrind (one count per thread) on a private
# Xvfb server, with the same clean home, locale and session bus as startup.sh, stops it a while after its
# first top-level window is mapped, and prints each thread's instructions and what the fonts took on the main
# thread: the font engines it made and what making each took, and all of fontconfig's substitutions and
# matches there.
#
#   bench/callgrind.sh [--keep DIR] [PROGRAM...]
#
# PROGRAM defaults to build/orbetta and build/orbetta_floor in this checkout. --keep leaves the callgrind
# files in DIR for callgrind_annotate. Counts do not move with the machine's load; the idle event loop after
# the first frame adds a few thousand.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
keep=""
programs=()
while [ $# -gt 0 ]; do
    case "$1" in
    --keep)
        keep="$2"
        shift 2
        ;;
    -h | --help)
        sed -n '2,11p' "${BASH_SOURCE[0]}"
        exit 0
        ;;
    *)
        programs+=("$1")
        shift
        ;;
    esac
done
[ ${#programs[@]} -gt 0 ] || programs=("$here/../build/orbetta" "$here/../build/orbetta_floor")
for tool in Xvfb valgrind callgrind_annotate xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "callgrind.sh: $tool is missing (apt: xvfb valgrind xdotool)" >&2
        exit 2
    fi
done

. "$here/clean_display.sh"

# The inclusive count of the first function whose name matches, on one thread's file.
inclusive() {
    callgrind_annotate --inclusive=yes "$1" >"$work/annotated" 2>/dev/null
    awk -v f="$2" '$0 ~ f {gsub(",", "", $1); print $1 + 0; exit}' "$work/annotated"
}
# How often the callers called the function, summed.
calls() {
    callgrind_annotate --inclusive=yes --tree=caller "$1" 2>/dev/null |
        awk -v f="$2" '/ < / {if (match($0, /\([0-9]+x\)/)) pending += substr($0, RSTART + 1, RLENGTH - 3); next}
            / \* / {if ($0 ~ f) sum += pending; pending = 0; next}
            {pending = 0}
            END {print sum + 0}'
}
mega() { awk -v n="$1" 'BEGIN {printf "%.1f M", n / 1e6}'; }

printf '%-16s %-14s %-12s %-22s %-12s %s\n' program thread instructions "font engines (each)" substitute match
for program in "${programs[@]}"; do
    name="$(basename "$program")"
    out="$work/$name"
    valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out.%p" "$program" \
        >"$work/$name.log" 2>&1 &
    pid=$!
    if ! xdotool search --sync --onlyvisible --pid "$pid" >/dev/null 2>&1; then
        echo "callgrind.sh: $name showed no window" >&2
        exit 1
    fi
    # The first frame follows the mapping; under callgrind it takes a few seconds.
    sleep 8
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    for file in "$out".*-*; do
        thread="${file##*-}"
        total="$(awk '/^summary:/ {print $2; exit}' "$file")"
        if [ "$thread" = 01 ]; then
            engines="$(calls "$file" 'setupFontEngine')"
            setup="$(inclusive "$file" 'QFontconfigDatabase::setupFontEngine')"
            each="-"
            [ "${engines:-0}" -gt 0 ] && each="$(mega "$((setup / engines))")"
            printf '%-16s %-14s %-12s %-22s %-12s %s\n' "$name" main "$(mega "$total")" "$engines ($each)" \
                "$(mega "$(inclusive "$file" ':FcConfigSubstitute ')")" \
                "$(mega "$(inclusive "$file" ':FcFontMatch ')")"
        elif [ "$total" -gt 1000000 ]; then
            printf '%-16s %-14s %s\n' "$name" "$thread" "$(mega "$total")"
        fi
    done
    if [ -n "$keep" ]; then
        mkdir -p "$keep"
        cp "$out".*-* "$keep/"
    fi
done
