#!/usr/bin/env bash
# Starts the program under Xvfb as a new user would, with a return built from a
# description, and takes a screenshot of the screen.
#   bash tools/screenshot.sh [description.json] [out.png]
# Needs a build (bash build.sh test) and xvfb-run, ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
desc=${1:-tests/model/returns2024/01-ontario-employee.json}
out=${2:-$PWD/screenshot.png}
bin=${BQ_BUILD_DIR:-build}/bin
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$home/Documents"
"$bin/bqreturntool" build "$desc" "$home/Documents/sample.r24"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c "
  '$bin/brackenquill' '$home/Documents/sample.r24' &
  sleep 4
  import -window root '$out'
  kill %1"
echo "screenshot: $out"
