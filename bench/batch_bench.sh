#!/bin/sh
# Batch calculation speed: N coupled returns listed in a file, recalculated by
# "brackenquill printresult" into ./taxresult.txt, on one thread and on every
# core. Each size has a folder of its own holding just its N returns, so that
# the time per return shows what the size of the folder costs. Prints the time
# of each size and checks both result files are the same.
#
#   bench/batch_bench.sh [build folder] [sizes...]     (default: build 1000 10000)
#
# Everything happens in a temporary folder (its own HOME); hyperfine is used
# when it is installed, else the median of five runs by the shell's clock.
set -eu

BUILD=${1:-build}
[ $# -gt 0 ] && shift
SIZES=${*:-"1000 10000"}
MAX=0
for n in $SIZES; do [ "$n" -gt "$MAX" ] && MAX=$n; done
. "$(dirname "$0")/batch_setup.sh"

# Median seconds of a run of the list $1 on $2 threads (0: one per core) over the folder $3.
time_run() {
    if command -v hyperfine >/dev/null 2>&1; then
        BQ_BATCH_THREADS=$2 hyperfine --warmup 1 --runs 5 --export-json "h.json" \
            "$PROGRAM printresult $3/ $WORK/$1" >/dev/null
        sed -n 's/.*"median": *\([0-9.]*\).*/\1/p' "h.json" | head -1
        return
    fi
    : > times.txt
    for run in 1 2 3 4 5; do
        start=$(date +%s.%N)
        BQ_BATCH_THREADS=$2 "$PROGRAM" printresult "$3/" "$1" >/dev/null 2>&1
        end=$(date +%s.%N)
        echo "$end - $start" | bc >> times.txt
    done
    sort -n times.txt | sed -n 3p
}

echo "$(nproc) cores; load average $(cut -d' ' -f1-3 /proc/loadavg)"
for n in $SIZES; do
    make_list "$n"
    folder="$WORK/folder$n"
    mkdir "$folder"
    (cd "$WORK/returns" && xargs ln -t "$folder" < "$WORK/list$n.txt")
    serial=$(time_run "list$n.txt" 1 "$folder")
    cp taxresult.txt serial.txt
    parallel=$(time_run "list$n.txt" 0 "$folder")
    same=identical
    cmp -s serial.txt taxresult.txt || same=DIFFERENT
    results=$(grep -c "^client" taxresult.txt || true)
    errors=$(grep -c -e "read error" -e "cannot find" taxresult.txt || true)
    printf '%6d returns: %.3f s on 1 thread (%.3f ms per return), %.3f s on every core (%.3f ms per return), %d results, %d errors, %s\n' \
        "$n" "$serial" "$(echo "$serial * 1000 / $n" | bc -l)" "$parallel" "$(echo "$parallel * 1000 / $n" | bc -l)" \
        "$results" "$errors" "$same"
done
