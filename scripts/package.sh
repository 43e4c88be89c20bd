#!/usr/bin/env bash
# Builds the Debian package into build-package/: a Release build of the two
# programs installed under /usr, packed by cpack. Prints the package's path.
# Needs what scripts/setup.sh installs (dpkg-shlibdeps comes with dpkg-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DQUILLMARK_TESTS=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/quillmark_*.deb
