#!/usr/bin/env bash
# Installs the Debian packages the development corpus needs (when missing).
# The corpus is a developer tool, so these are not in scripts/setup.sh.
set -euo pipefail

PACKAGES=(djvulibre-bin pdf2djvu python3 python3-fitz
          tesseract-ocr tesseract-ocr-eng tesseract-ocr-rus imagemagick)
"$(dirname "$0")/../install_packages.sh" "${PACKAGES[@]}"
