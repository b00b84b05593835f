#!/usr/bin/env bash
# Sets up, builds, and runs the whole test suite.
set -euo pipefail
here="$(dirname "$0")"
"$here/setup.sh"
"$here/build.sh"
cd "$here/../build"
ctest --output-on-failure -j2
