#!/usr/bin/env bash
# Draws a corpus page with its truth boxes and the areas a work type makes:
#   scripts/corpus/draw.sh BOOK PAGE MODE [VARIANT]
# MODE is any --mode of quillmark-cli, or "none" for the truth alone.
exec /usr/bin/python3 "$(dirname "$0")/draw.py" "$@"
