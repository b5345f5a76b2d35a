#!/usr/bin/env bash
# Draws the pictures and makes the sounds of assets/ again.
#   tools/assets/make_assets.sh [BUILD_FOLDER]
# Needs a build with the Qt program (for savanto-draw-assets) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
cmake --build "$build" --target savanto-draw-assets
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/savanto-draw-assets" "$work"

# Pictures the program reads from its folder are GIF files.
convert "$work/WFenet.png" -dither FloydSteinberg -colors 256 assets/files/WFenet.gif
# Pictures compiled into the program are PNG files.
cp "$work/FENETRE.png" assets/resources/FENETRE.png
echo "assets redrawn"
