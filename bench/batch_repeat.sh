#!/bin/sh
# Batch calculation on several threads gives the serial result file, byte for
# byte, every time: N coupled returns, run once on one thread, then R times on T.
#
#   bench/batch_repeat.sh [build folder] [N] [T] [R]     (default: build 4000 8 50)
set -eu

BUILD=${1:-build}
MAX=${2:-4000}
THREADS=${3:-8}
RUNS=${4:-50}
. "$(dirname "$0")/batch_setup.sh"

make_list "$MAX"
BQ_BATCH_THREADS=1 "$PROGRAM" printresult "$WORK/returns/" "list$MAX.txt" >/dev/null 2>&1
mv taxresult.txt serial.txt
echo "serial: $(grep -c "^client" serial.txt) results, $(grep -c -e "read error" -e "cannot find" serial.txt || true) errors"

failed=0
run=1
while [ "$run" -le "$RUNS" ]; do
    BQ_BATCH_THREADS=$THREADS "$PROGRAM" printresult "$WORK/returns/" "list$MAX.txt" >/dev/null 2>&1 || {
        echo "run $run: exit status $?"; failed=$((failed + 1)); }
    if ! cmp -s serial.txt taxresult.txt; then
        echo "run $run: result file differs from the serial run"
        failed=$((failed + 1))
    fi
    run=$((run + 1))
done
echo "$RUNS runs of $MAX files on $THREADS threads: $failed failed"
[ "$failed" -eq 0 ]
