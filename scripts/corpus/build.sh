#!/usr/bin/env bash
# Builds the development corpus of real books into the cache
# (${QUILLMARK_CORPUS:-$HOME/.cache/quillmark-corpus}); see README.md here.
#   scripts/corpus/build.sh [BOOK...]
set -euo pipefail
here="$(dirname "$0")"
"$here/setup.sh"
exec /usr/bin/python3 "$here/build.py" "$@"
