#!/usr/bin/env bash
# Builds the Debian package of Zavkari in build-package/: a release build with Debian's own build
# flags, hardening included, packed by `cpack -G DEB`. Installs what is missing first, as ./play and
# ./check do.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Every hardening feature Debian has: the stack protector, fortified library functions, relocations
# made read-only and bound at start. CMake takes no CPPFLAGS, so they join the compiler's flags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# Only the game and what its package holds are built: not the tests, not the benchmarks.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-package --target zavkari zavkari_docs
cd build-package
cpack -G DEB
