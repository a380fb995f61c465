#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh release   -> build/release (the programs and benchmarks, no tests)
#   scripts/build.sh test      -> build/test    (sanitized build with all tests)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-release}

case "$flavour" in
  release) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEBT_SANITIZE=OFF -DDEBT_BUILD_TESTS=OFF) ;;
  test)    args=(-DCMAKE_BUILD_TYPE=Debug -DDEBT_SANITIZE=ON) ;;
  *) echo "usage: $0 release|test" >&2; exit 2 ;;
esac

"$here/scripts/install-deps.sh"
build_dir="$here/build/$flavour"
cmake -S "$here" -B "$build_dir" -G Ninja "${args[@]}"
cmake --build "$build_dir" --parallel "$(nproc)"
