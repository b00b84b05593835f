#!/usr/bin/env bash
# Makes third_party/three/three.bundle.js from the three.js and esbuild that
# package-lock.json pins: three.js with GLTFLoader and OrbitControls as one
# script defining the global VexilThree, headed by its version and licence.
# `make-three-bundle.sh OUT` writes OUT instead, so that a test can check
# that the committed bundle is what the pinned packages make.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/third_party/three/three.bundle.js}"
cd "$root"
version=$(node -p "require('./node_modules/three/package.json').version")
esbuild=$(node -p "require('./node_modules/esbuild/package.json').version")
pinned=$(node -p "require('./package.json').devDependencies.three")
[ "$version" = "$pinned" ] || { echo "make-three-bundle: three $version is installed, $pinned is pinned: run npm ci" >&2; exit 1; }
body="$(mktemp)"
trap 'rm -f "$body"' EXIT
node_modules/.bin/esbuild tools/three_entry.js --bundle --minify --format=iife --global-name=VexilThree \
  --legal-comments=none --target=es2020 --log-level=warning --outfile="$body"
{
  echo "/* three.js $version, with its GLTFLoader and OrbitControls, bundled by esbuild $esbuild"
  echo "   (tools/make-three-bundle.sh). three.js's licence:"
  echo
  sed 's/\*\//* \//g' node_modules/three/LICENSE
  echo "*/"
  cat "$body"
} > "$out"
