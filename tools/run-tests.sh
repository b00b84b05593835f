#!/usr/bin/env bash
# Sets up, builds, and runs the whole test suite: the native tests, the
# geometry tests built for a processor with fused multiply-add, the same
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded run of each fuzz target (FUZZ_SECONDS each, default 60), and the
# Windows build's tests under wine with a byte-for-byte comparison of the
# commands both builds send.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
"$here/setup.sh"
"$here/build.sh"

echo "== native tests"
ctest --test-dir "$root/build" --output-on-failure -j2

echo "== geometry and joint search built for a processor with fused multiply-add"
# The float results must not change where the compiler could fuse a product
# into a sum; plain x86-64 code has no such instruction, so this build asks
# for one.
if grep -qw fma /proc/cpuinfo; then
  cmake -S "$root" -B "$root/build-fma" -G Ninja -DCMAKE_CXX_FLAGS=-march=x86-64-v3 -DVEXIL_BUILD_BENCHMARKS=OFF
  cmake --build "$root/build-fma" --target vexil_tests
  "$root/build-fma/tests/vexil_tests" --gtest_brief=1 \
    --gtest_filter='VectorMath.*:MatrixToHPB.*:RestTransforms.*:PolygonScan.*:Hierarchy.*:Differential.*'
else
  echo "this processor has no fused multiply-add: skipped"
fi

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DVEXIL_SANITIZE=ON -DVEXIL_BUILD_BENCHMARKS=OFF
cmake --build "$root/build-asan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j2

echo "== fuzzing"
CXX=clang++-14 cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DVEXIL_BUILD_FUZZERS=ON \
  -DVEXIL_BUILD_TESTS=OFF -DVEXIL_BUILD_BENCHMARKS=OFF
cmake --build "$root/build-fuzz"
for target in activation obj_reader lwo_reader; do
  work="$(mktemp -d)"
  # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
  (cd "$work" && "$root/build-fuzz/fuzz/${target}_fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" \
    -print_final_stats=1 "$work" "$root/fuzz/corpus/$target" 2>&1 | grep -E '^(Done|stat::number_of_executed_units|==|SUMMARY)' || true)
  if compgen -G "$work/crash-*" >/dev/null || compgen -G "$work/leak-*" >/dev/null || compgen -G "$work/timeout-*" >/dev/null || compgen -G "$work/oom-*" >/dev/null; then
    echo "fuzzing $target found a failing input in $work" >&2
    exit 1
  fi
  rm -rf "$work"
done
echo "fuzzing: no failing input found"

echo "== Windows build, tests under wine"
export WINEDEBUG=-all
cmake -S "$root" -B "$root/build-windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
cmake --build "$root/build-windows"
# Create the wine prefix once, before tests race to create it.
wineboot --init >/dev/null 2>&1 || true
wineserver -w
ctest --test-dir "$root/build-windows" --output-on-failure -j2

echo "== the same command bytes from both builds"
cmake -S "$root" -B "$root/build" -DVEXIL_WINDOWS_HOST="$root/build-windows/vexil-host.exe"
cmake --build "$root/build"
ctest --test-dir "$root/build" --output-on-failure -R '^Platforms\.'
