#!/usr/bin/env bash
# Shows a picture as people with each of the three kinds of colour blindness see it.
#   tools/accessibility/colour_vision.sh PICTURE [OUTPUT_FOLDER]
# Writes PICTURE-protanopia.png, -deuteranopia.png and -tritanopia.png (and one strip with the
# four side by side) into OUTPUT_FOLDER (default: the picture's folder). Uses ImageMagick.
# The matrices are Machado, Oliveira and Fernandes' (2009) at full severity, applied to linear
# light, as the eye mixes it.
set -euo pipefail
picture=${1:?usage: colour_vision.sh PICTURE [OUTPUT_FOLDER]}
out=${2:-$(dirname "$picture")}
mkdir -p "$out"
base="$out/$(basename "${picture%.*}")"
declare -A matrix=(
  [protanopia]="0.152286 1.052583 -0.204868  0.114503 0.786281 0.099216  -0.003882 -0.048116 1.051998"
  [deuteranopia]="0.367322 0.860646 -0.227968  0.280085 0.672501 0.047413  -0.011820 0.042940 0.968881"
  [tritanopia]="1.255528 -0.076749 -0.178779  -0.078411 0.930809 0.147602  0.004733 0.691367 0.303900"
)
strip=("$picture")
for kind in protanopia deuteranopia tritanopia; do
  convert "$picture" -alpha off -colorspace RGB -color-matrix "${matrix[$kind]}" -colorspace sRGB "$base-$kind.png"
  strip+=("$base-$kind.png")
done
convert "${strip[@]}" +append "$base-colour-vision.png"
echo "$base-protanopia.png $base-deuteranopia.png $base-tritanopia.png $base-colour-vision.png"
