#!/usr/bin/env bash
# Builds the Windows package of the committed tree (HEAD, not the working
# copy): dist/vexil-VERSION-windows-x64.zip with Vexil.p, vexil-host.exe,
# the examples, INSTALL.txt, CHANGELOG.md, the licence of the three.js that
# vexil-host.exe carries for its rig page, and SHA256SUMS. The same commit
# gives the same bytes, wherever and whenever it is built: the files carry
# no link time and no build path, and the zip holds them in a fixed order
# with the commit's time.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
"$here/setup.sh" package

version=$(sed -n 's/^project(Vexil VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
epoch=$(git -C "$root" log -1 --format=%ct)
name="vexil-$version"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The committed tree, built for Windows with the example found beside the program.
mkdir "$work/source"
git -C "$root" archive --format=tar HEAD | tar -x -C "$work/source"
cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$work/source/cmake/mingw-w64-x86_64.cmake" \
  -DVEXIL_BUILD_TESTS=OFF -DVEXIL_BUILD_BENCHMARKS=OFF -DVEXIL_BUNDLED_EXAMPLE=examples/biped.obj >/dev/null
cmake --build "$work/build" --target vexil_module vexil-host

stage="$work/$name"
mkdir -p "$stage/examples"
cp "$work/build/Vexil.p" "$work/build/vexil-host.exe" "$stage/"
for example in arm hand biped tail biped_dressed biped_skin; do
  cp "$work/source/examples/$example.obj" "$work/source/examples/$example.lwo" "$stage/examples/"
done
# For Windows: CRLF line ends.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$work/source/packaging/INSTALL.txt" > "$stage/INSTALL.txt"
cp "$work/source/CHANGELOG.md" "$stage/"
sed -e 's/$/\r/' "$work/source/third_party/three/LICENSE" > "$stage/three.js-LICENSE.txt"
(cd "$stage" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum > SHA256SUMS)

# Fixed times, modes and order, and no extra fields.
find "$stage" -type d -exec chmod 755 {} + -exec touch -h -d "@$epoch" {} +
find "$stage" -type f -exec chmod 644 {} + -exec touch -h -d "@$epoch" {} +
mkdir -p "$root/dist"
zip="$root/dist/$name-windows-x64.zip"
rm -f "$zip"
(cd "$work" && find "$name" | LC_ALL=C sort | TZ=UTC zip -X -D -q "$zip" -@)
echo "$zip"
