#!/bin/sh
# Instructions per sample of processReplacing under callgrind: a signal runs
# through the plug-in a fixed number of times with collection switched on only
# around the processing (the host's block loop included). Builds nothing.
#
#   bench/callgrind.sh [tarvexor_count options]
#       without options: the music signal at block 512 with the programs
#       "Init" (--lookahead=999 --dither=0) and "Mastering 2" (--program=2)
#   bench/callgrind.sh --all [options]   every signal, and the deep walk
#   ANNOTATE=1 bench/callgrind.sh ...    also callgrind_annotate by source line
#                                        (needs a plug-in built with -g)
#
# BUILD_DIR selects the build (default build/linux).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD_DIR:-$here/../build/linux}
count=$build/bin/tarvexor_count
[ -x "$count" ] || { echo "no $count: build the linux preset first" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure LABEL [tarvexor_count options]: prints one line for one run.
measure() {
    label=$1
    shift
    out=$work/callgrind.out
    rm -f "$out"*
    if ! valgrind --tool=callgrind --collect-atstart=no --dump-instr=yes \
        --callgrind-out-file="$out" "$count" "$@" >"$work/count.txt" 2>"$work/valgrind.log"; then
        cat "$work/count.txt" "$work/valgrind.log" >&2
        exit 1
    fi
    samples=$(sed -n 's/^samples //p' "$work/count.txt")
    # The program dumps its counts before unloading the plug-in (part .1);
    # the dump at exit is empty. Add up all parts.
    total=$(cat "$out"* | sed -n 's/^totals: *//p' | awk '{ t += $1 } END { print t }')
    awk -v l="$label" -v t="$total" -v n="$samples" \
        'BEGIN { printf "%-22s %12d instructions %8d samples %8.2f per sample\n", l, t, n, t / n }'
    if [ "${ANNOTATE:-0}" = 1 ]; then
        callgrind_annotate --auto=yes --show-percs=yes "$out.1" | head -n 400
    fi
}

all=0
for arg do
    shift
    if [ "$arg" = --all ]; then all=1; else set -- "$@" "$arg"; fi
done

if [ "$all" = 1 ]; then
    for signal in music lookahead_worst noise silence near_denormal; do
        measure "$signal" --signal="$signal" "$@"
    done
    # ThrComp -36 dB, 30:1, Auto off, Release 10 ms: long look-ahead walks.
    measure "lookahead_worst deep" --signal=lookahead_worst \
        --param=4:72 --param=7:60 --param=10:0 --param=6:10 "$@"
    measure "music Mastering 2" --signal=music --program=2 "$@"
elif [ $# -eq 0 ]; then
    measure "music Init"
    measure "music Mastering 2" --program=2
else
    label=$(printf '%s\n' "$@" | sed -n 's/^--signal=//p' | tail -n 1)
    measure "${label:-music}" "$@"
fi
