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
for gif in WFenet WFond WQuest; do
  convert "$work/$gif.png" -dither FloydSteinberg -colors 256 "assets/files/$gif.gif"
  rm "$work/$gif.png"
  # The same picture for screens at 200 %, beside it.
  mv "$work/$gif@2x.png" "assets/files/$gif@2x.png"
done
# Pictures compiled into the program are PNG files; the icons go to the desktop's theme.
cp "$work"/*.png assets/resources/
mkdir -p assets/icons
cp "$work"/icons/*.png assets/icons/
echo "assets redrawn"

# Sounds: short synthesised cues, 22 kHz mono.
# Landing on a category square: a soft two-note chime.
sox -R -n -r 22050 -c 1 -b 16 "$work/l1.wav" synth 0.1 sine 660 fade q 0.005 0.1 0.03
sox -R -n -r 22050 -c 1 -b 16 "$work/l2.wav" synth 0.22 sine 988 fade q 0.005 0.22 0.15
sox -R "$work/l1.wav" "$work/l2.wav" assets/files/WSon01.wav vol 0.6
# Roll again: a quick rising run.
sox -R -n -r 22050 -c 1 -b 16 assets/files/WSon02.wav synth 0.3 sine 440:1320 tremolo 18 60 fade q 0.01 0.3 0.1 vol 0.55
# Headquarters: a bright three-note fanfare.
sox -R -n -r 22050 -c 1 -b 16 "$work/a.wav" synth 0.12 triangle 523 fade q 0.005 0.12 0.04
sox -R -n -r 22050 -c 1 -b 16 "$work/b.wav" synth 0.12 triangle 659 fade q 0.005 0.12 0.04
sox -R -n -r 22050 -c 1 -b 16 "$work/c.wav" synth 0.3 triangle 784 fade q 0.005 0.3 0.15
sox -R "$work/a.wav" "$work/b.wav" "$work/c.wav" assets/files/WSon03.wav vol 0.6
# Centre square and start of a game: a warm chord.
sox -R -n -r 22050 -c 1 -b 16 assets/files/WSon04.wav synth 0.7 sine 392 sine 494 sine 587 remix - fade q 0.02 0.7 0.4 vol 0.5
# The die: a short rattle.
sox -R -n -r 22050 -c 1 -b 16 assets/files/WSon05.wav synth 0.22 brownnoise tremolo 45 90 highpass 900 fade q 0.005 0.22 0.08 vol 0.7
# End of a game: a rising arpeggio.
for f in 523 659 784 1047; do
  sox -R -n -r 22050 -c 1 -b 16 "$work/n$f.wav" synth 0.14 triangle $f fade q 0.005 0.14 0.05
done
sox -R "$work/n523.wav" "$work/n659.wav" "$work/n784.wav" "$work/n1047.wav" assets/files/WSon06.wav vol 0.6
# Time up: two low buzzes.
sox -R -n -r 22050 -c 1 -b 16 "$work/buzz.wav" synth 0.18 square 180 fade q 0.005 0.18 0.05 vol 0.35
sox -R -n -r 22050 -c 1 -b 16 "$work/gap.wav" trim 0 0.08
sox -R "$work/buzz.wav" "$work/gap.wav" "$work/buzz.wav" assets/files/WSon07.wav
echo "sounds made"
