#!/usr/bin/env bash
# Pictures of the program under Xvfb as a new user would see it, over a coupled
# return built from a description:
#   - the whole screen with the program started on the return;
#   - the return window, sized as on a 1280 x 800 screen, with the light theme
#     and with the background colour "#202020": a shared ("S-") slip in the
#     tree, every T1 page (top and end) with captions, choice lists, amounts and
#     calculated lines, and the help page.
#   bash tools/screenshot.sh [description.json] [out-folder]
# Needs a build, xvfb-run and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
desc=$(realpath "${1:-tests/model/returns2024/08-ontario-couple.json}")
out=$(realpath -m "${2:-$PWD/screenshots}")
bin=$(cd "${BQ_BUILD_DIR:-build}/bin" && pwd)
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$home/Documents" && chmod 700 "$XDG_RUNTIME_DIR"
"$bin/bqreturntool" build "$desc" "$home/Documents/sample.r24" >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  '$bin/brackenquill' '$home/Documents/sample.r24' &
  sleep 4
  import -window root '$out/program.png'
  kill %1
  '$bin/bqwindowshots' '$desc' '$out'"
echo "screenshots in $out"
