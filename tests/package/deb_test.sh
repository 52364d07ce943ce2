#!/usr/bin/env bash
# deb_test.sh BUILD_DIR: builds the Debian package with CPack, unpacks it with
# dpkg-deb -x, runs its own contour, checks its declared dependencies, that
# apt-get would install it, and that lintian finds no errors in it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
need dpkg-deb dpkg-shlibdeps apt-get lintian

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/out/contour_*.deb)
dpkg-deb -x "$deb" "$scratch/root"

about=$("$scratch/root/usr/bin/contour" about) || fail "the packaged contour about failed"
grep -q "Version Number: Vol 18.3" <<<"$about" || fail "contour about does not show the version: $about"

# Each library the program and module link comes from a package it depends on.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libstdc++6 libpugixml1v5 libcpp-httplib python3; do
  grep -q "\b$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# apt-get can install it, dependencies and all (simulated: nothing is installed).
(cd "$(dirname "$deb")" && apt-get install -s "./$(basename "$deb")") >"$scratch/apt.log" 2>&1 ||
  { cat "$scratch/apt.log"; fail "apt-get cannot install the package"; }
grep -q "^Conf contour " "$scratch/apt.log" || { cat "$scratch/apt.log"; fail "apt-get would not install contour"; }

status=0
lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
cat "$scratch/lintian.log"
[ $status = 0 ] || fail "lintian reports errors (status $status)"
echo "package $(basename "$deb") is sound"
