#!/usr/bin/env bash
# Regenerates every data file and stored picture of the program.
set -euo pipefail
cd "$(dirname "$0")"
/usr/bin/python3 make_texts.py
/usr/bin/python3 make_sounds.py
/usr/bin/python3 make_pictures.py
echo "data/ and src/ui/pictures/ regenerated"
