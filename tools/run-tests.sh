#!/usr/bin/env bash
# Sets up, builds, and runs the whole test suite: the native tests, the
# geometry tests built for a processor with fused multiply-add, the same
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded run of each fuzz target (FUZZ_SECONDS each, default 60), the
# Windows build's tests under wine, the Windows package (built twice and
# compared, its version resource read back, run from its own folder), and a
# byte-for-byte comparison of the commands both builds send.
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
# The rows on meshes of hundreds of thousands of points run in the native
# suite alone.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  VEXIL_LEAVE_OUT_LARGE_MESHES=1 ctest --test-dir "$root/build-asan" --output-on-failure -j2

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
VEXIL_LEAVE_OUT_LARGE_MESHES=1 ctest --test-dir "$root/build-windows" --output-on-failure -j2

echo "== the Windows package: the same bytes twice, its version, and run from its own folder"
zip="$("$here/package.sh" | tail -n 1)"
first="$(mktemp)"
cp "$zip" "$first"
"$here/package.sh" >/dev/null
cmp "$first" "$zip" || { echo "two packages of one commit differ" >&2; exit 1; }
rm -f "$first"
version=$(sed -n 's/^project(Vexil VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
unpacked="$(mktemp -d)"
(cd "$unpacked" && unzip -q "$zip")
folder="$unpacked/vexil-$version"
for file in Vexil.p vexil-host.exe; do
  for field in FileVersion ProductVersion; do
    shown=$(exiftool -s3 "-$field" "$folder/$file")
    [ "$shown" = "$version" ] || { echo "$file: $field is '$shown', not $version" >&2; exit 1; }
  done
done
# The host loads one file: only _mod_descrip goes out, only system DLLs come in.
x86_64-w64-mingw32-objdump -p "$folder/Vexil.p" > "$unpacked/module.txt"
grep -q 'Name Pointer/Ordinal\] Table[[:space:]]*00000001$' "$unpacked/module.txt" &&
  grep -q '\] _mod_descrip$' "$unpacked/module.txt" || { echo "Vexil.p exports more than _mod_descrip" >&2; exit 1; }
imports=$(sed -n 's/^\tDLL Name: //p' "$unpacked/module.txt" | sort | tr '\n' ' ')
[ "$imports" = "KERNEL32.dll msvcrt.dll " ] || { echo "Vexil.p imports $imports" >&2; exit 1; }
(cd "$folder" && sha256sum --quiet -c SHA256SUMS)
(cd "$folder" && for example in examples/*; do
  wine ./vexil-host.exe --quiet "$example" >/dev/null || { echo "the package's vexil-host failed on $example" >&2; exit 1; }
done)
(cd "$folder" && wine ./vexil-host.exe | grep -q '^Biped (object') ||
  { echo "the package's vexil-host does not find its bundled example" >&2; exit 1; }
# A rigger's folder and file named outside the ANSI code page.
mkdir -p "$unpacked/日本 José"
cp "$folder/examples/biped.lwo" "$unpacked/日本 José/骨.lwo"
(cd "$folder" && LC_ALL=C.UTF-8 wine ./vexil-host.exe --gltf "$unpacked/日本 José/骨.glb" "$unpacked/日本 José/骨.lwo" |
  grep -q '^骨 (object') && [ -s "$unpacked/日本 José/骨.glb" ] ||
  { echo "the package's vexil-host cannot read or write a path named in Japanese" >&2; exit 1; }
rm -rf "$unpacked"
echo "package $zip: reproducible, version $version, runs on every example"

echo "== the same command bytes from both builds, and the Windows build on paths in any script"
cmake -S "$root" -B "$root/build" -DVEXIL_WINDOWS_HOST="$root/build-windows/vexil-host.exe"
cmake --build "$root/build"
ctest --test-dir "$root/build" --output-on-failure -R '^(Platforms|WindowsPaths)\.'
