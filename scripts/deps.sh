#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. A machine that already has
# everything pays one dpkg-query and nothing else, so every test run can call this.
# `deps.sh headless` adds what scripts/run.sh needs to serve its display without one.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine
  xvfb xauth x11-utils
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  imagemagick util-linux xdotool
  nsis fonts-dejavu-extra
)
if [[ ${1-} == headless ]]; then
  packages+=(x11vnc novnc websockify)
fi

# One dpkg-query for all of them; a package it does not know prints nothing.
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${packages[@]}" 2>/dev/null \
  | awk '$1 == "ii" { print $2 }' || true)
missing=()
for package in "${packages[@]}"; do
  grep -qx -- "$package" <<<"$installed" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "deps: installing ${missing[*]}"
if ((EUID != 0)); then
  echo "deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
