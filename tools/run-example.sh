#!/usr/bin/env bash
# Installs only what building and running vexil-host needs, builds the
# module and the stand-in host alone into build-example/ (no tests,
# benchmarks, fuzzers or Windows build), and runs the module on the bundled
# example. Extra arguments go to vexil-host.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
"$here/setup.sh" example
cmake -S "$root" -B "$root/build-example" -G Ninja -DVEXIL_BUILD_TESTS=OFF -DVEXIL_BUILD_BENCHMARKS=OFF \
  -DVEXIL_BUILD_FUZZERS=OFF >/dev/null
cmake --build "$root/build-example" --target vexil-host
exec "$root/build-example/vexil-host" "$@"
