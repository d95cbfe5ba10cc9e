# Sourced by the batch scripts: checks the programs of the build folder $BUILD,
# makes a temporary folder $WORK (its own HOME, removed on exit) and copies ten
# different coupled returns (T4 and T5 income of both spouses, Ontario) under
# $MAX names, $WORK/returns/client<n>.r24: every file is read and recalculated
# on its own.
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

n=0
while [ $n -lt "$MAX" ]; do
    cp "$WORK/returns/base$((n % 10)).r24" "$WORK/returns/client$n.r24"
    n=$((n + 1))
done

cd "$WORK"
"$PROGRAM" printresult "$WORK/returns/" /dev/null >/dev/null 2>&1 || true   # first start makes the database

# The list of the first $1 files.
make_list() {
    seq 0 $(($1 - 1)) | sed 's/^/client/; s/$/.r24/' > "list$1.txt"
}
