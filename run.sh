#!/usr/bin/env bash
# The project's two jobs.
#   ./run.sh demo   set up, build, and render one preview per plug-in through its loaded module
#   ./run.sh test   set up, build both targets and run every test
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

job="${1:-}"
./setup.sh

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; }

case "$job" in
  demo)
    build release
    build windows
    ./build/release/bin/ostrel demo
    ;;
  test)
    build native-tsan
    ctest --preset native-tsan
    build fuzz
    ctest --preset fuzz
    build native
    build windows
    ctest --preset native
    ctest --preset windows
    ;;
  *)
    echo "usage: ./run.sh demo | test" >&2
    exit 2
    ;;
esac
