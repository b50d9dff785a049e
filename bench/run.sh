#!/bin/sh
# Runs the processing benchmarks of an existing build and prints the table
# (median of repeated runs, CPU time) and the comparison with the LSP mono
# compressor and limiter. Builds nothing.
#
#   bench/run.sh                        everything (about three minutes)
#   bench/run.sh 'compare/music'        only benchmarks matching a regex
#   bench/run.sh '' --benchmark_repetitions=9 ...   further Google Benchmark
#                                       or tarvexor_bench flags
#   bench/run.sh compare/music --tarvexor=OTHER/Tarvexor.so
#                                       another build of Tarvexor in the
#                                       comparison (--plugin=PATH adds a plug-in
#                                       of its own instead)
#
# BUILD_DIR selects the build (default build/linux). The machine should be
# otherwise idle: figures from a loaded machine are too slow and noisy.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD_DIR:-$here/../build/linux}
bench=$build/bin/tarvexor_bench
[ -x "$bench" ] || { echo "no $bench: build the linux preset first" >&2; exit 1; }
filter=${1:-.}
[ $# -gt 0 ] && shift
lscpu | sed -n 's/^Model name: *//p' | sed 's/^/CPU: /'
exec "$bench" --benchmark_filter="$filter" --benchmark_min_time=0.1 \
    --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_display_aggregates_only=true "$@"
