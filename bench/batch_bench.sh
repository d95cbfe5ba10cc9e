#!/bin/sh
# Batch calculation speed: N coupled returns listed in a file, recalculated by
# "brackenquill printresult" into ./taxresult.txt. Prints the time of each size.
#
#   bench/batch_bench.sh [build folder] [sizes...]     (default: build 250 500 1000)
#
# Everything happens in a temporary folder (its own HOME); hyperfine is used
# when it is installed, else the shell's clock.
set -eu

BUILD=${1:-build}
[ $# -gt 0 ] && shift
SIZES=${*:-"250 500 1000"}
BIN=$(cd "$BUILD/bin" && pwd)
PROGRAM="$BIN/brackenquill"
TOOL="$BIN/bqreturntool"
for f in "$PROGRAM" "$TOOL"; do
    [ -x "$f" ] || { echo "missing $f: build the targets brackenquill and bqreturntool" >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share" \
       XDG_CACHE_HOME="$WORK/home/.cache" XDG_RUNTIME_DIR="$WORK/home/.runtime"
mkdir -p "$XDG_RUNTIME_DIR" "$WORK/returns"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Ten different coupled returns (T4 and T5 income of both spouses, Ontario),
# copied under N names: every file is read and recalculated on its own.
i=0
while [ $i -lt 10 ]; do
    cat > "$WORK/couple$i.json" <<JSON
{"persons": [
 {"firstName": "Sam", "lastName": "Client$i", "sin": "046454286", "birthDate": "1980-05-17", "province": 9,
  "maritalStatus": 0, "slips": [{"type": 1, "fields": {"Province": 9, "Box14": $((40000 + i * 3000)), "Box22": 6000,
  "Box24": $((40000 + i * 3000)), "Box26": $((40000 + i * 3000)), "Box16": 2200, "Box18": 700}},
  {"type": 8, "fields": {"Box13": $((100 + i * 50))}}]},
 {"firstName": "Robin", "lastName": "Client$i", "sin": "130692544", "birthDate": "1982-03-04", "province": 9,
  "maritalStatus": 0, "slips": [{"type": 1, "fields": {"Province": 9, "Box14": $((20000 + i * 2000)), "Box22": 2500,
  "Box24": $((20000 + i * 2000)), "Box26": $((20000 + i * 2000)), "Box16": 1000, "Box18": 330}}]}]}
JSON
    "$TOOL" build "$WORK/couple$i.json" "$WORK/returns/base$i.r24"
    i=$((i + 1))
done

MAX=0
for n in $SIZES; do [ "$n" -gt "$MAX" ] && MAX=$n; done
n=0
while [ $n -lt "$MAX" ]; do
    cp "$WORK/returns/base$((n % 10)).r24" "$WORK/returns/client$n.r24"
    n=$((n + 1))
done

cd "$WORK"
"$PROGRAM" printresult "$WORK/returns/" /dev/null >/dev/null 2>&1 || true   # first start makes the database

for n in $SIZES; do
    seq 0 $((n - 1)) | sed 's/^/client/; s/$/.r24/' > "list$n.txt"
    if command -v hyperfine >/dev/null 2>&1; then
        hyperfine --warmup 1 --runs 5 --export-json "h$n.json" \
            "$PROGRAM printresult $WORK/returns/ $WORK/list$n.txt" >/dev/null
        mean=$(sed -n 's/.*"mean": *\([0-9.]*\).*/\1/p' "h$n.json" | head -1)
    else
        best=""
        for run in 1 2 3; do
            start=$(date +%s.%N)
            "$PROGRAM" printresult "$WORK/returns/" "list$n.txt" >/dev/null 2>&1
            end=$(date +%s.%N)
            t=$(echo "$end - $start" | bc)
            if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" = 1 ]; then best=$t; fi
        done
        mean=$best
    fi
    results=$(grep -c "^client" taxresult.txt || true)
    errors=$(grep -c -e "read error" -e "cannot find" taxresult.txt || true)
    printf '%6d returns: %.3f s  (%.3f ms per return, %d results, %d errors)\n' "$n" "$mean" \
        "$(echo "$mean * 1000 / $n" | bc -l)" "$results" "$errors"
done
