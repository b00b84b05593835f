#!/usr/bin/env bash
# The committed three.js bundle is what the pinned packages make: the same
# bytes again from tools/make-three-bundle.sh, headed by the pinned version.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
made="$(mktemp)"
trap 'rm -f "$made"' EXIT
"$root/tools/make-three-bundle.sh" "$made"
cmp "$made" "$root/third_party/three/three.bundle.js" || { echo "third_party/three/three.bundle.js is not what the pinned packages make" >&2; exit 1; }
pinned=$(cd "$root" && node -p "require('./package.json').devDependencies.three")
head -n 1 "$root/third_party/three/three.bundle.js" | grep -q "^/\* three.js $pinned, " ||
  { echo "third_party/three/three.bundle.js does not name three.js $pinned" >&2; exit 1; }
echo "1 passed, 0 failed"
