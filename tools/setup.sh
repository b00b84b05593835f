#!/usr/bin/env bash
# Installs what Vexil needs, when it is missing. `setup.sh example` installs
# only what building and running vexil-host needs (CMake, Ninja, g++, the
# JSON, glTF and linear algebra libraries); `setup.sh package` that and
# what tools/package.sh needs (the Windows cross compiler, zip); `setup.sh`
# installs everything the test suite uses as well (chromium for the rig
# page, a virtual display for vexil-host.exe in a console window of its
# own, and from npm Khronos's glTF-Validator, playwright-core, three.js and
# esbuild) and makes the comma-decimal locale the formatting tests run
# under. Run as root to install; otherwise it only says what is missing.
set -euo pipefail

packages=(cmake ninja-build g++ nlohmann-json3-dev libtinygltf-dev libeigen3-dev)
install=(apt-get install -y --no-install-recommends)
if [ "${1:-tests}" = package ]; then
  # The Windows cross compiler and the archiver, for tools/package.sh.
  packages+=(g++-mingw-w64-x86-64-posix zip)
elif [ "${1:-tests}" != example ]; then
  # wine needs what it recommends.
  install=(apt-get install -y)
  # libassimp-dev's CMake files name libz.so without depending on zlib1g-dev.
  packages+=(libgtest-dev libbenchmark-dev locales clang-14 libclang-rt-14-dev googletest
    g++-mingw-w64-x86-64-posix wine wine64 libassimp-dev zlib1g-dev assimp-testmodels zip unzip
    libimage-exiftool-perl chromium xvfb xauth)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive "${install[@]}" "${missing[@]}"
fi

[ "${1:-tests}" = example ] || [ "${1:-tests}" = package ] && exit 0

# Khronos's glTF-Validator, three.js and esbuild (the rig page's bundle) and
# playwright-core (which drives chromium), at the versions package-lock.json
# pins.
if ! command -v npm >/dev/null 2>&1; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: npm is missing (run as root to install Node.js)" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y nodejs npm
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
pinned=$(cd "$root" && node -p "Object.entries(require('./package.json').devDependencies).map(e => e.join('@')).join(' ')")
installed=$(cd "$root" && node -p "Object.keys(require('./package.json').devDependencies).map(n => {
  try { return n + '@' + require('./node_modules/' + n + '/package.json').version; } catch (e) { return n + '@none'; }
}).join(' ')")
if [ "$pinned" != "$installed" ]; then
  (cd "$root" && npm ci --no-audit --no-fund)
fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: the de_DE.UTF-8 locale is missing (run as root to generate it)" >&2
    exit 1
  fi
  sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
