#!/usr/bin/env bash
# Builds the program and starts it on the current desktop.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" release
exec "$here/build/release/src/app/debt" "$@"
