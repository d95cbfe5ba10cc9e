#!/usr/bin/env bash
# Times the program from its start to its main window mapped on the screen, with
# a return named on the command line, under Xvfb; prints each run and the median.
# The map is seen by xev listening on the root window, so no X client is started
# while the clock runs; its output is read as it comes, and the clock is the
# shell's own ($EPOCHREALTIME), so that the timing starts and waits for nothing.
#   bash tools/starttime.sh [description.json] [runs]
# Needs a build, bash 5, xvfb-run and xev (x11-utils).
set -euo pipefail
cd "$(dirname "$0")/.."
desc=${1:-tests/model/returns2024/08-ontario-couple.json}
runs=${2:-10}
bin=$(cd "${BQ_BUILD_DIR:-build}/bin" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$home/Documents" && chmod 700 "$XDG_RUNTIME_DIR"
# the instance guard is machine-wide: another copy of the program running on this
# machine must not make the runs time its "is already running!" box
run_folder=$XDG_DATA_HOME/Brackenquill/brackenquill2024/run
mkdir -p "$run_folder"
echo "Allow2nd=1" >"$run_folder/gr_path.ini"
"$bin/bqreturntool" build "$desc" "$home/Documents/sample.r24" >/dev/null
cat > "$home/run.sh" <<INNER
set -euo pipefail
# a first start makes the program's folders and database, as on any later start
'$bin/brackenquill' '$home/Documents/sample.r24' & sleep 3; kill \$!; wait 2>/dev/null || true
micros() { local t=\${1/./}; echo \$((10#\$t)); }
times=()
for i in \$(seq $runs); do
  coproc XEV { exec stdbuf -oL xev -root -event substructure 2>&1; }
  xev=\$XEV_PID
  sleep 0.5
  start=\$EPOCHREALTIME
  '$bin/brackenquill' '$home/Documents/sample.r24' &
  pid=\$!
  while read -r line <&"\${XEV[0]}"; do [[ \$line == MapNotify* ]] && break; done
  end=\$EPOCHREALTIME
  kill \$pid \$xev; wait \$pid \$xev 2>/dev/null || true
  ms=\$(( (\$(micros \$end) - \$(micros \$start)) / 1000 ))
  echo "run \$i: \$ms ms"
  times+=(\$ms)
done
printf '%s\\n' "\${times[@]}" | sort -n | awk '{a[NR]=\$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; print "median: " m " ms"}'
INNER
xvfb-run -a -s "-screen 0 1280x900x24" bash "$home/run.sh"
