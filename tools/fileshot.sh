#!/usr/bin/env bash
# The File (EFILE) command used as a preparer uses it, under Xvfb, against the
# stand-in servers of bqfakeservers: the preferences are entered in the
# Preference dialog, then a sample return is filed four times:
#   accepted  - the CRA accepts it (with the 2139 notice): the return is marked
#               filed and saved with its backup, efilelog.txt has the record and
#               the e-signature fake gets the filing record (status 30100);
#   rejected  - the CRA rejects it: a filing record with status 30110 only;
#   eol       - the CRA's end-of-line notice (132): a failure, nothing recorded;
#   silent    - the CRA server reads the return and never answers (a minute):
#               a failure that says the CRA may have it, nothing recorded;
#   closed    - the CRA server's port is closed: a failure, nothing recorded.
# Pictures of each step go to the out-folder, with what the fakes read
# (fakeservers.txt); the checks are printed and the exit status is theirs.
# The screen is 1280x800 unless another size is given. Buttons and fields are
# found from the geometry of the window that holds them, found by its title.
#   bash tools/fileshot.sh [out-folder] [screen size, e.g. 1920x1080]
# Needs a build, Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-$PWD/screenshots/filing}")
bin=$(cd "${BQ_BUILD_DIR:-build}/bin" && pwd)
desc=$PWD/tools/fileshot-return.json
screen=${2:-1280x800}
mkdir -p "$out"
rm -f "$out"/*.png
home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$home/Documents" && chmod 700 "$XDG_RUNTIME_DIR"
run=$XDG_DATA_HOME/Brackenquill/brackenquill2024/run
mkdir -p "$run"
failures=0
check() {   # check "what" command...
  if "${@:2}"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}

# ---- the stand-in servers and the program's configuration
"$bin/bqfakeservers" >"$home/fragment.ini" 2>"$out/fakeservers.txt" &
fakes=$!
pids+=("$fakes")
for _ in $(seq 50); do grep -q "TLS handshake" "$home/fragment.ini" 2>/dev/null && break; sleep 0.2; done
# Allow2nd: another copy of the program running on this machine does not stop the run
{ grep -v '^#' "$home/fragment.ini"; echo "Allow2nd=1"; } >"$home/servers.ini"
closedPort=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()')

# ---- the X server
exec 3>"$home/display"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$home/display")

shot() { sleep 0.5; import -window root "$out/$1.png"; }
mainWindow="Brackenquill 2024 - .*"   # the return's window; the message boxes are titled without " - "
# "x y width height" of the mapped window with that title (a regular expression)
geometryOf() {   # geometryOf title
  local id X Y WIDTH HEIGHT WINDOW SCREEN
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# Clicks in a window at an offset from its top-left corner; a negative offset
# counts from its right or bottom edge.
click() {   # click title dx dy
  local x y w h dx=$2 dy=$3 at
  at=$(geometryOf "$1") || { echo "no window \"$1\" to click in"; return 1; }
  read -r x y w h <<<"$at"
  if [ "$dx" -lt 0 ]; then dx=$((w + dx)); fi
  if [ "$dy" -lt 0 ]; then dy=$((h + dy)); fi
  xdotool mousemove $((x + dx)) $((y + dy)) click 1
  sleep 0.4
}
typeIn() { click "$1" "$2" "$3"; xdotool key ctrl+a type --delay 5 "$4"; }   # typeIn title dx dy text
waitWindow() {   # waitWindow title [tries]; true once a window of that name is mapped
  for _ in $(seq "${2:-40}"); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.25
  done
  return 1
}
program=
startProgram() {
  "$bin/brackenquill" "$1" >>"$out/program.txt" 2>&1 &
  program=$!
  waitWindow "$mainWindow" 60
  sleep 1.5
}
stopProgram() { kill "$program" 2>/dev/null || true; wait "$program" 2>/dev/null || true; }

# Places in the windows, from their top-left corner (or, negative, from their
# right or bottom edge): the toolbar buttons of the main window ...
efileButton=(722 50)
preferenceButton=(946 50)
# ... the tabs, fields and button of the Preference dialog ...
vantrelTab=(636 26)
vantrelEmail=(450 130)
vantrelPassword=(450 165)
filingReportBox=(29 199)
preparerTab=(248 26)
businessName=(547 67)
backupBox=(29 309)
efilerId=(547 343)
efilerPassword=(547 378)
applyButton=(-166 -27)
# ... and the test case of the submission dialog (test mode).
testCaseField=(-104 30)

enterPreferences() {
  click "$mainWindow" "${preferenceButton[@]}"
  waitWindow Preference || { echo "FAIL - the Preference dialog did not appear"; return 1; }
  # Vantrel: credentials and the filing report
  click Preference "${vantrelTab[@]}"
  typeIn Preference "${vantrelEmail[@]}" preparer@example.com
  typeIn Preference "${vantrelPassword[@]}" s3cret
  click Preference "${filingReportBox[@]}"
  shot 01-preferences-vantrel
  # Tax preparer: business name, backup, EFiler number and password
  click Preference "${preparerTab[@]}"
  typeIn Preference "${businessName[@]}" "Lakeview Tax Services"
  click Preference "${backupBox[@]}"
  typeIn Preference "${efilerId[@]}" A1234
  typeIn Preference "${efilerPassword[@]}" efpass12
  shot 02-preferences-preparer
  click Preference "${applyButton[@]}"
}

# Runs the File command up to the submission dialog (every question answered
# with its default), types the test case, sends, and pictures the result.
fileReturn() {   # fileReturn name testcase [tries of a quarter second for the result]
  click "$mainWindow" "${efileButton[@]}"
  local i
  for i in $(seq 12); do
    waitWindow "EFile Tax Return to CRA" 4 && break
    shot "$1-question-$i"
    xdotool key Return
  done
  waitWindow "EFile Tax Return to CRA" 4 || { echo "FAIL - $1: the submission dialog did not appear"; return 1; }
  if [ -n "$2" ]; then typeIn "EFile Tax Return to CRA" "${testCaseField[@]}" "$2"; fi
  shot "$1-submission"
  xdotool key Return
  if waitWindow "Efile Filing Result" "${3:-80}"; then shot "$1-result"; xdotool key Return; fi
  for i in $(seq 3); do
    if waitWindow "CRA Online Service" 2; then shot "$1-after"; xdotool key Escape; fi
  done
  sleep 1
  shot "$1-window"
}

filingRecords() { grep -c "POST /api/filing" "$out/fakeservers.txt" || true; }
logRecords() { grep -c "^Confirmation:" "$run/efilelog.txt" 2>/dev/null || true; }
holds() { python3 -c 'import sys; sys.exit(0 if sys.argv[2].encode("utf-16-le") in open(sys.argv[1],"rb").read() else 1)' "$1" "$2"; }

# ---- accepted
cp "$home/servers.ini" "$run/gr_path.ini"
"$bin/bqreturntool" build "$desc" "$home/Documents/accepted.r24" >/dev/null
startProgram "$home/Documents/accepted.r24"
shot 00-window
enterPreferences
fileReturn accepted 15   # the CRA fake's test case "accepted, indicator 2139"
stopProgram
check "accepted: the result dialog appeared" test -f "$out/accepted-result.png"
check "accepted: the return file holds the confirmation number" holds "$home/Documents/accepted.r24" TX240000123
check "accepted: the backup was written" test -f "$home/Documents/accepted_backup.r24"
check "accepted: efilelog.txt has one record" test "$(logRecords)" = 1

# ---- rejected
"$bin/bqreturntool" build "$desc" "$home/Documents/rejected.r24" >/dev/null
before=$(cksum <"$home/Documents/rejected.r24")
startProgram "$home/Documents/rejected.r24"
fileReturn rejected 2    # "rejected", code 2001
stopProgram
check "rejected: the result dialog appeared" test -f "$out/rejected-result.png"
check "rejected: the return file is unchanged" test "$(cksum <"$home/Documents/rejected.r24")" = "$before"
check "rejected: efilelog.txt still has one record" test "$(logRecords)" = 1

# ---- the end-of-line notice
"$bin/bqreturntool" build "$desc" "$home/Documents/eol.r24" >/dev/null
startProgram "$home/Documents/eol.r24"
fileReturn eol 8         # "eol-132"
stopProgram
check "eol: the failure dialog appeared" test -f "$out/eol-result.png"
check "eol: efilelog.txt still has one record" test "$(logRecords)" = 1

# ---- a reply that never comes
"$bin/bqreturntool" build "$desc" "$home/Documents/silent.r24" >/dev/null
startProgram "$home/Documents/silent.r24"
fileReturn silent 13 400   # "silence"
stopProgram
check "silent: the failure dialog appeared" test -f "$out/silent-result.png"
check "silent: efilelog.txt still has one record" test "$(logRecords)" = 1

# ---- a closed port
sed -e "s/^EOLSERVER=.*/EOLSERVER=127.0.0.1:$closedPort/" "$home/servers.ini" >"$run/gr_path.ini"
"$bin/bqreturntool" build "$desc" "$home/Documents/closed.r24" >/dev/null
startProgram "$home/Documents/closed.r24"
fileReturn closed ""
stopProgram
check "closed: the failure dialog appeared" test -f "$out/closed-result.png"
check "closed: efilelog.txt still has one record" test "$(logRecords)" = 1

# ---- what the fakes read
kill -INT "$fakes"
wait "$fakes" || true
cp "$run/efilelog.txt" "$out/efilelog.txt" 2>/dev/null || true
check "the e-signature fake got two filing records" test "$(filingRecords)" = 2
check "the first with status 30100, the second 30110" \
  test "$(grep -o 'status = 30..0' "$out/fakeservers.txt" | tr '\n' ' ')" = "status = 30100 status = 30110 "
check "the CRA fake got four returns" test "$(grep -c 'POST /ebci/pfeo' "$out/fakeservers.txt")" = 4
echo "pictures and logs in $out"
exit $((failures > 0))
