#!/usr/bin/env bash
# Colour reduction quality: ours against ImageMagick and Pillow, by PSNR against the
# true-colour source, on the photo fixtures and the 256 x 256 images of the fixture icons
# (flattened over white, so that all three tools see the same RGB).
#
#   bench/quantize_quality.sh [BUILD_DIR]     (default: build, beside this folder)
#
# Needs the quantize_tool target built, ImageMagick's convert and identify, and /usr/bin/python3
# with Pillow (the python3 first on PATH may lack it).
#
# Undithered: ours (dither 0) / convert +dither -colors N / Pillow quantize(N, dither=NONE).
# Dithered:   ours (dither 1) / convert -colors N (Riemersma) / Pillow's median-cut palette
#             applied with quantize(palette=..., dither=FLOYDSTEINBERG), because Pillow's
#             quantize(N) does not dither when it builds the palette itself.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
tool=$build/bench/quantize_tool
fixtures=${ORMEL_FIXTURES:-$here/../tests/data}
python=/usr/bin/python3

[[ -x $tool ]] || { echo "no $tool: build the quantize_tool target first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name, then the ImageMagick input (file and image index), for every picture.
pictures=()
for f in photo-board.jpg photo-board.bmp; do
    pictures+=("$f" "$fixtures/$f")
done
for ico in "$fixtures"/*.ico; do
    scene=$(identify -format '%p %w %h\n' "$ico" 2>/dev/null | awk '$2 == 256 && $3 == 256 { print $1; exit }')
    [[ -n $scene ]] && pictures+=("$(basename "$ico")" "${ico}[$scene]")
done

list=$work/list
: >"$list"
for ((i = 0; i < ${#pictures[@]}; i += 2)); do
    name=${pictures[i]} input=${pictures[i + 1]}
    base=$work/$i
    convert "$input" -background white -alpha remove -alpha off +repage -depth 8 rgb:"$base.src.rgb"
    read -r w h < <(convert "$input" +repage -format '%w %h\n' info:)
    for n in 256 16 2; do
        for d in 0 1; do
            "$tool" "$w" "$h" "$n" "$d" <"$base.src.rgb" >"$base.$n.$d.ours.rgb"
            if ((d == 0)); then dither=(+dither); else dither=(); fi
            convert -size "${w}x$h" -depth 8 rgb:"$base.src.rgb" "${dither[@]}" -colors "$n" -depth 8 rgb:"$base.$n.$d.im.rgb"
        done
    done
    echo "$name $w $h $base" >>"$list"
done

"$python" - "$list" <<'PY'
import math
import sys
from PIL import Image


def psnr(a, b):
    se = sum((x - y) * (x - y) for x, y in zip(a, b))
    return math.inf if se == 0 else 10 * math.log10(255 * 255 * len(a) / se)


def pillow(src, n, dither):
    palette = src.quantize(n, dither=Image.Dither.NONE)
    if not dither:
        return palette.convert("RGB").tobytes()
    return src.quantize(palette=palette, dither=Image.Dither.FLOYDSTEINBERG).convert("RGB").tobytes()


def cell(v):
    return f"{v:7.2f}" if v != math.inf else "    inf"


print(f"{'picture':28} {'N':>4} {'dither':>6}   {'ours':>7} {'IM':>7} {'Pillow':>7}")
for line in open(sys.argv[1]):
    name, w, h, base = line.split()
    data = open(base + ".src.rgb", "rb").read()
    src = Image.frombytes("RGB", (int(w), int(h)), data)
    for n in (256, 16, 2):
        for d in (0, 1):
            ours = psnr(data, open(f"{base}.{n}.{d}.ours.rgb", "rb").read())
            im = psnr(data, open(f"{base}.{n}.{d}.im.rgb", "rb").read())
            pil = psnr(data, pillow(src, n, d))
            mark = "" if d or ours >= max(im, pil) else "   <- below"
            print(f"{name:28} {n:4} {'yes' if d else 'no':>6}   {cell(ours)} {cell(im)} {cell(pil)}{mark}")
PY
