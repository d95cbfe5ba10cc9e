#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds the program out of tree, and runs it or its tests.
#   bash build.sh run    install, build, start the program
#   bash build.sh test   install, build, run every test
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-run}
shift || true

packages=(build-essential cmake ninja-build ccache pkg-config libxml2-utils
  qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite
  libtinyxml-dev libgnutls28-dev gnutls-bin libbenchmark-dev libfontconfig-dev
  default-jdk-headless libitext-java libasm-java poppler-utils zxing-cpp-tools
  xvfb xauth curl iproute2 x11-utils imagemagick xdotool sqlite3
  fonts-dejavu-core fonts-droid-fallback)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

build=${BQ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$build"

case "$what" in
  test)
    cd "$build"
    ctest --output-on-failure --no-tests=error -j "$(nproc)" "$@"
    ;;
  run)
    exe="$build/bin/brackenquill"
    if [ ! -x "$exe" ]; then
      echo "The program's window is not built yet: the libraries are built and their tests run with 'bash build.sh test'."
      exit 0
    fi
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a "$exe" "$@"
    fi
    exec "$exe" "$@"
    ;;
  *)
    echo "usage: bash build.sh run|test" >&2
    exit 2
    ;;
esac
