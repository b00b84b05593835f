#!/usr/bin/env bash
# Configures and builds into build/ (Vexil.p, vexil-host, tests, benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja
cmake --build build
