#!/usr/bin/env bash
# The project's two jobs.
#   ./run.sh demo   set up, build both targets (native Release and Windows) and run the host
#                   program's demo; until that program exists, list what was built
#   ./run.sh test   set up, build both targets and run every test: the threaded tests under
#                   ThreadSanitizer, the fuzz targets, then everything natively under ASan and
#                   UBSan and as Windows programs under Wine. The last lines are ctest's summaries.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

job="${1:-}"
./setup.sh

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; }

case "$job" in
  demo)
    build release
    build windows
    if [[ -x build/release/bin/ostrel ]]; then
      ./build/release/bin/ostrel demo
    else
      echo "built (native Release):"
      find build/release/bin -maxdepth 1 -type f \( -name '*.dlt' -o -name '*.so' -o -perm -u+x \) | sort
      echo "built (Windows):"
      find build/windows/bin -maxdepth 1 -type f \( -name '*.dlt' -o -name '*.dll' -o -name '*.exe' \) | sort
    fi
    ;;
  test)
    status=0
    build native-tsan
    ctest --preset native-tsan || status=1
    build fuzz
    ctest --preset fuzz || status=1
    build native
    build windows
    # Both runs report even when the first fails, so both summaries end the output.
    ctest --preset native || status=1
    ctest --preset windows || status=1
    exit "$status"
    ;;
  *)
    echo "usage: ./run.sh demo | test" >&2
    exit 2
    ;;
esac
