#!/bin/sh
# Renders every picture of the program from its SVG source in src/res/art/ to the PNG that the
# resource file src/res/images.qrc lists in src/res/images/, at the exact pixel size each
# window expects, then rewrites each PNG losslessly in its smallest plain form. A picture with
# words in it has an English variant (NAME_en.svg), rendered into src/res/images/en/.
#
# Needs: rsvg-convert (Debian package librsvg2-bin), python3, and the fonts the pictures are
# set in: "Noto Sans CJK SC" / "Noto Serif CJK SC" (fonts-noto-cjk) and "Liberation Sans"
# (fonts-liberation2). With the same tool and font versions the output is byte-identical.
#
# Usage: scripts/render-art.sh        (from anywhere; rewrites every PNG)
set -eu
cd "$(dirname "$0")/.."

ART=src/res/art
OUT=src/res/images

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing: install librsvg2-bin" >&2; exit 1; }
for family in "Noto Sans CJK SC" "Noto Serif CJK SC" "Liberation Sans"; do
    if ! fc-list ":family=$family" family | grep -q .; then
        echo "font \"$family\" missing: the text would be set in a fallback face" >&2
        exit 1
    fi
done
mkdir -p "$OUT" "$OUT/en"

# render SOURCE.svg OUTPUT.png WIDTH HEIGHT
render() {
    rsvg-convert --width "$3" --height "$4" --output "$OUT/$2" "$ART/$1"
    echo "$OUT/$2  $3 x $4"
}

# Bitmaps, named after their resource numbers.
render splash_189.svg splash_189.png 648 434
render logo_193.svg logo_193.png 138 57
render logo_177.svg logo_177.png 148 71
render banner_190.svg banner_190.png 495 46
render gauges_182.svg gauges_182.png 69 63
render footer_186.svg footer_186.png 114 41
# Their English variants, the pictures with words in them.
render splash_189_en.svg en/splash_189.png 648 434
render logo_193_en.svg en/logo_193.png 138 57
render logo_177_en.svg en/logo_177.png 148 71
render banner_190_en.svg en/banner_190.png 495 46
render footer_186_en.svg en/footer_186.png 114 41

# Icons: the 16 and 32 pixel images have their own grid-fitted drawings.
for n in 128 157 158 172 184; do
    render "icon_${n}_16.svg" "icon_${n}_16.png" 16 16
    render "icon_${n}_32.svg" "icon_${n}_32.png" 32 32
done
# The application icon at the larger sizes a desktop menu or installer uses.
for size in 48 64 128 256; do
    render icon_128.svg "icon_128_$size.png" "$size" "$size"
done

python3 scripts/png-slim.py "$OUT"/*.png "$OUT"/en/*.png
