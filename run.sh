#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Quillmark.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [ -x build/src/app/quillmark ]; then
  exec build/src/app/quillmark "$@"
fi
exec build/src/cli/quillmark-cli --help
