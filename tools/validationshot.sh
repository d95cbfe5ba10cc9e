#!/usr/bin/env bash
# A picture under Xvfb of the validation result dialog for a coupled return: the
# checks of both persons and the checks between spouses, in two tabs.
#   bash tools/validationshot.sh [description.json] [picture.png] [tab]   (tab 1: the spouse's)
# Needs a build and xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
desc=$(realpath "${1:-tests/filingdoc/fixtures/couple-validation.json}")
out=$(realpath -m "${2:-$PWD/screenshots/validation.png}")
bin=$(cd "${BQ_BUILD_DIR:-build}/bin" && pwd)
mkdir -p "$(dirname "$out")"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x900x24" "$bin/bqvalidationshot" "$desc" "$out" ${3:-0}
