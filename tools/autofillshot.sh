#!/usr/bin/env bash
# Auto-fill New in the real program under Xvfb, against the stand-in servers:
# the terms, the S.I.N. dialog, the progress dialog while the stand-in browser
# (tools/autofillshot/xdg-open) signs in, then the list with its new rows.
# A picture of each step goes to the out-folder; the program's log, the
# stand-in browser's log and the rows of the database go beside them.
#   bash tools/autofillshot.sh [out-folder]
#   AUTOFILLSHOT_KIND=noa bash tools/autofillshot.sh [out-folder]   (View NOA, its message boxes)
# Needs a build, xvfb-run, xdotool, curl, sqlite3 and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-$PWD/screenshots/autofill}")
bin=$(cd "${BQ_BUILD_DIR:-build}/bin" && pwd)
standin=$(cd tools/autofillshot && pwd)
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.txt
home=$(mktemp -d)
fakes_pid=
cleanup() {
  [ -n "$fakes_pid" ] && kill "$fakes_pid" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$home/Documents" && chmod 700 "$XDG_RUNTIME_DIR"

# the stand-in servers and the gr_path.ini that points the program at them
run_folder=$XDG_DATA_HOME/Brackenquill/brackenquill2024/run
mkdir -p "$run_folder"
"$bin/bqfakeservers" >"$home/fragment.ini" 2>"$home/fakes.err" &
fakes_pid=$!
for _ in $(seq 50); do
  grep -q "handshake" "$home/fragment.ini" 2>/dev/null && break
  sleep 0.1
done
grep -q "TDDSERVER=" "$home/fragment.ini" || { cat "$home/fakes.err"; echo "bqfakeservers did not start"; exit 1; }
cp "$home/fragment.ini" "$run_folder/gr_path.ini"
# the instance guard is machine-wide: another run on this machine must not stop this one
echo "Allow2nd=1" >>"$run_folder/gr_path.ini"

export AUTOFILLSHOT_LOG=$out/xdg-open.txt AUTOFILLSHOT_SIGNIN_DELAY=3
: >"$AUTOFILLSHOT_LOG"
export PATH=$standin:$PATH
kind=${AUTOFILLSHOT_KIND:-autofill}
case $kind in
  autofill) downs=6 ;;   # Start > Auto-Fill (AFR), counting enabled items with no return open
  noa) downs=7 ;;        # Start > View NOA
  *) echo "AUTOFILLSHOT_KIND is autofill or noa"; exit 1 ;;
esac
export BQ_BIN=$bin OUT=$out KIND=$kind DOWNS=${AUTOFILL_MENU_DOWNS:-$downs}
xvfb-run -a -s "-screen 0 1280x900x24" bash -euo pipefail -c '
  shot() { sleep "${2:-1}"; import -window root "$OUT/$1.png"; }
  "$BQ_BIN/brackenquill" >"$OUT/program-stdout.txt" 2>&1 &
  prog=$!
  win=
  for _ in $(seq 60); do
    win=$(xdotool search --onlyvisible --pid "$prog" 2>/dev/null | head -1) && [ -n "$win" ] && break
    sleep 0.25
  done
  [ -n "$win" ] || { echo "the program showed no window"; kill $prog; exit 1; }
  sleep 2
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  shot 1-program 0.5
  # Start > Auto-Fill (AFR): the menu opens on a click and the item is reached
  # by its position among the enabled items
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + 20)) $((Y + 10)) click 1
  shot 2-start-menu 0.7
  for _ in $(seq "$DOWNS"); do xdotool key Down; done
  shot 3-menu-autofill 0.5
  xdotool key Return
  shot 4-list-before 1.5
  # New/Update: the keyboard focus starts in the list; Tab reaches the button
  for _ in $(seq "${AUTOFILL_NEW_TABS:-2}"); do xdotool key Tab; done
  shot 4b-new-focused 0.3
  xdotool key space
  shot 5-terms 1.5
  xdotool key alt+y
  shot 6-terms-agreed 0.5
  xdotool key Return
  shot 7-sin-dialog 1.5
  xdotool type --delay 40 "046454286"
  xdotool key Tab
  xdotool type --delay 40 "130692544"
  shot 8-sin-entered 0.5
  xdotool key Return
  shot 9-progress 1.5
  # the stand-in browser signs in after a few seconds; the dialog shows the
  # count saved and closes itself three seconds later
  shot 10-progress-saved 4
  shot 11-progress-closing 4
  shot 12-list-after 6
  if [ "$KIND" = noa ]; then   # one box per notice message, in S.I.N. order
    for i in 1 2; do
      xdotool key Return
      shot "13-after-message-$i" 1
    done
  fi
  kill $prog 2>/dev/null || true
  wait $prog 2>/dev/null || true
'
db=$(find "$home" -name "mydata2024e.db" | head -1)
[ -n "$db" ] && sqlite3 "$db" "select id, create_time, taxyear, length(data1) from tb_taxdata order by id; select id, create_time, taxyear, length(data1) from tb_taxnoa order by id" >"$out/taxdata-rows.txt" 2>&1 || true
echo "screenshots in $out"
