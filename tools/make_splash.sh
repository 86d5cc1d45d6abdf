#!/usr/bin/env bash
# Draws the start-up splash image (splash/splash.png) with ImageMagick and the M+ fonts.
# Run from anywhere; the result is committed, so the build needs neither tool.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/splash/splash.png"
convert=/usr/bin/convert
font_dir=/usr/share/fonts/opentype/mplus
bold="$font_dir/Mplus1-Bold.otf"
light="$font_dir/Mplus1-Light.otf"
w=560
h=320

# A dusk gradient with a film strip across it: three frames of a small scene that fades in.
"$convert" -size ${w}x${h} gradient:'#1d2340'-'#5a3b6e' \
    \( -size ${w}x96 xc:'#0c0d14' \
       -fill '#2a2c3a' -draw "$(for x in $(seq 8 28 $w); do
            printf 'roundrectangle %d,6 %d,16 2,2 roundrectangle %d,80 %d,90 2,2 ' \
                "$x" "$((x + 14))" "$x" "$((x + 14))"; done)" \) \
    -geometry +0+112 -composite \
    -fill '#f4c56b40' -draw "rectangle 40,134 180,186" \
    -fill '#f4c56b8c' -draw "rectangle 210,134 350,186" \
    -fill '#f4c56be6' -draw "rectangle 380,134 520,186" \
    -fill '#fff3d6' \
    -draw "circle 110,160 110,150 circle 280,160 280,148 circle 450,160 450,146" \
    -font "$bold" -pointsize 54 -fill '#fff7e8' -gravity north -annotate +0+28 'Vignetta' \
    -font "$light" -pointsize 18 -fill '#e6dcff' -gravity south -annotate +0+56 \
        'Event scenes, frame by frame' \
    -font "$light" -pointsize 13 -fill '#b9b2d6' -gravity southeast -annotate +16+14 \
        'Version 1.0.0' \
    -strip "$out"
echo "wrote $out"
