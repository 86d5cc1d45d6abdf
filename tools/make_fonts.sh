#!/bin/sh
# Builds the interface fonts under components_fc/qml/Fonts from Debian's fonts-mplus.
# Whole M+ files carry thousands of kanji (several MiB each) and make the resource build slow,
# so the program ships subsets:
#   mplus-*      Latin, punctuation, CJK symbols, kana and full-width forms (Japanese text
#                other than kanji); kanji come from the system's fallback fonts.
#   mplusmini-*  Latin and punctuation only, for Chinese and Korean interfaces, whose own
#                fallback fonts then draw every CJK character in one consistent style.
# Needs: fonts-mplus, fonttools (apt-get install --no-install-recommends fonttools).
set -eu
src=/usr/share/fonts/opentype/mplus
out="$(cd "$(dirname "$0")/.." && pwd)/components_fc/qml/Fonts"
mkdir -p "$out"
full="U+0020-007E,U+00A0-00FF,U+2000-206F,U+2190-21FF,U+25A0-25FF,U+3000-303F,U+3040-30FF,U+31F0-31FF,U+FF00-FFEF"
mini="U+0020-007E,U+00A0-00FF,U+2000-206F,U+2190-21FF,U+25A0-25FF"

# old name  source file
for pair in "1m-regular:Mplus1Code-Regular" "1c-regular:Mplus1-Regular" \
            "1p-medium:Mplus1-Medium" "1p-heavy:Mplus1-Black"; do
    name=${pair%%:*}
    file=${pair#*:}
    /usr/bin/pyftsubset "$src/$file.otf" --unicodes="$full" --layout-features='*' \
        --name-IDs='*' --output-file="$out/mplus-$name.otf"
    /usr/bin/pyftsubset "$src/$file.otf" --unicodes="$mini" --layout-features='*' \
        --name-IDs='*' --output-file="$out/mplusmini-$name.otf"
done
ls -l "$out"
