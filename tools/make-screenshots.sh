#!/bin/sh
# Draws the README's pictures with the game's headless mode: docs/NAME.png from docs/NAME.script.
# VESK names the game program (default build/vesk).
set -eu
cd "$(dirname "$0")/.."
for script in docs/*.script; do
  "${VESK:-build/vesk}" --headless --script "$script" --data data --screenshot "${script%.script}.png"
done
