#!/usr/bin/env bash
# Sets up, builds, and runs the module on the bundled example through the
# stand-in host. Extra arguments go to vexil-host.
set -euo pipefail
here="$(dirname "$0")"
"$here/setup.sh"
"$here/build.sh"
exec "$here/../build/vexil-host" "$@"
