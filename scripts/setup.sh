#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then configures
# and builds into build/. Sourced by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

PACKAGES=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n djvulibre-bin xvfb xauth
          desktop-file-utils dpkg-dev file tesseract-ocr tesseract-ocr-rus tesseract-ocr-eng fonts-dejavu-core)
scripts/install_packages.sh "${PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
