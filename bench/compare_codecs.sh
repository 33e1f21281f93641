#!/usr/bin/env bash
# Compares decoding and re-encoding a batch of icon files with ormel-cli, a plain C decoder on
# zlib (png_floor, the floor), Pillow and icoutils.
#
#   bench/compare_codecs.sh [BUILD_DIR]      (default /work/main/build)
#
# Environment: REPS (default 10) repetitions of each measurement, the best one is reported;
# ORMEL_FIXTURES the directory of fixture icons; TMPDIR where the batch is built (removed at
# the end). Needs ormel-cli and png_floor built, /usr/bin/python3 with Pillow, and icotool.
set -euo pipefail
shopt -s inherit_errexit

build=${1:-/work/main/build}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fixtures=${ORMEL_FIXTURES:-$here/../tests/data}
reps=${REPS:-10}
copies=25
python=/usr/bin/python3

cli=$build/src/cli/ormel-cli
floor=$build/bench/png_floor
bench=$build/bench/ico_codec_bench
for tool in "$cli" "$floor"; do
    [[ -x $tool ]] || { echo "missing $tool: build ormel-cli and png_floor first" >&2; exit 1; }
done
command -v icotool >/dev/null || { echo "icotool (icoutils) is not installed" >&2; exit 1; }
$python -c 'import PIL' 2>/dev/null || { echo "$python has no Pillow" >&2; exit 1; }

shopt -s nullglob
sources=("$fixtures"/*.ico)
shopt -u nullglob
((${#sources[@]} > 0)) || { echo "no .ico files in $fixtures" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ormel-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

# The batch: every fixture icon copied $copies times.
mkdir "$work/batch" "$work/out" "$work/png"
batch=()
for src in "${sources[@]}"; do
    name=$(basename "$src" .ico)
    for ((i = 1; i <= copies; i++)); do
        dst=$work/batch/$name-$(printf %02d "$i").ico
        cp "$src" "$dst"
        batch+=("$dst")
    done
done

"$python" - "${batch[@]}" <<'EOF'
import struct, sys
files = sys.argv[1:]
total = big_png = entries = size = 0
for path in files:
    data = open(path, 'rb').read()
    size += len(data)
    for i in range(struct.unpack_from('<H', data, 4)[0]):
        length, offset = struct.unpack_from('<II', data, 6 + 16 * i + 8)
        block = data[offset:offset + length]
        if block[:8] == b'\x89PNG\r\n\x1a\n':
            w, h = struct.unpack_from('>II', block, 16)
        else:
            w, h = struct.unpack_from('<ii', block, 4)
            h //= 2
        entries += 1
        total += w * h
        if block[:8] == b'\x89PNG\r\n\x1a\n' and w == 256 and h == 256:
            big_png += w * h
print(f"batch: {len(files)} files, {entries} images, {total} pixels, {size / 1e6:.2f} MB")
print(f"pixels in 256x256 PNG entries: {100.0 * big_png / total:.1f}% of the batch")
EOF

# Prints the seconds one run of the command takes (its output discarded); fails with it.
elapsed() {
    local t0 t1
    t0=$EPOCHREALTIME
    "$@" >/dev/null
    t1=$EPOCHREALTIME
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f\n", b - a }'
}
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

# Per-tool results, in the order measured.
names=()
secs=()
kinds=()
record() { names+=("$1"); secs+=("$2"); kinds+=("$3"); }

# Runs the command $reps times and records the best time; a setup command (untimed) may run
# before each repetition.
measure() {
    local label=$1 kind=$2 setup=$3
    shift 3
    local best="" t
    for ((r = 0; r < reps; r++)); do
        [[ -n $setup ]] && $setup
        t=$(elapsed "$@")
        best=$(min "$best" "$t")
    done
    record "$label" "$best" "$kind"
}

clear_out() { rm -rf "$work/out" && mkdir "$work/out"; }

# --- Decoding -------------------------------------------------------------------------------
echo "floor: $("$floor" "${batch[@]}")"
measure "ormel-cli info (one process)" decode "" "$cli" info "${batch[@]}"
measure "png_floor, plain C on zlib (one process)" decode "" "$floor" "${batch[@]}"
measure "png_floor without chunk CRCs" decode "" "$floor" --no-crc "${batch[@]}"

cat >"$work/pillow_decode.py" <<'EOF'
import sys, time
from PIL import IcoImagePlugin
start = time.perf_counter()
for path in sys.argv[1:]:
    with open(path, 'rb') as f:
        ico = IcoImagePlugin.IcoFile(f)
        for i in range(len(ico.entry)):
            ico.frame(i).load()
print(f"{time.perf_counter() - start:.6f}")
EOF
best_in="" best_all=""
for ((r = 0; r < reps; r++)); do
    t0=$EPOCHREALTIME
    inside=$("$python" "$work/pillow_decode.py" "${batch[@]}")
    t1=$EPOCHREALTIME
    best_in=$(min "$best_in" "$inside")
    best_all=$(min "$best_all" "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f", b - a }')")
done
record "Pillow IcoFile.frame().load() (in Python)" "$best_in" decode
record "Pillow, with interpreter start" "$best_all" decode

# icotool warns (on stderr) about header fields some writers fill in; its status still counts.
quiet() { "$@" 2>/dev/null; }
measure "icotool -x (one process, writes PNGs)" decode clear_out quiet icotool -x -o "$work/out" "${batch[@]}"

if [[ -x $bench ]]; then
    # The library alone, in memory: the benchmark's best pass over the fixtures, times $copies.
    best=$("$bench" --benchmark_filter='^DecodeBatch$' --benchmark_repetitions="$reps" \
        --benchmark_min_time=0.2 --benchmark_format=json 2>/dev/null |
        "$python" -c 'import json, sys
runs = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("run_type") == "iteration"]
print(min(b["real_time"] for b in runs) * 1e-6 * int(sys.argv[1]))' "$copies")
    record "ormel ReadIconData in memory (bench x$copies)" "$best" decode
fi

# --- Re-encoding ----------------------------------------------------------------------------
convert_each() {
    local f
    for f in "${batch[@]}"; do
        "$cli" convert "$f" "$work/out/$(basename "$f")"
    done
}
measure "ormel-cli convert, each file" encode clear_out convert_each

# Pillow writes one image per distinct size (PNG by default, or bitmaps), taken from the
# decoded entries so nothing is resampled.
cat >"$work/pillow_encode.py" <<'EOF'
import os, sys, time
from PIL import BmpImagePlugin, Image
fmt, out_dir = sys.argv[1], sys.argv[2]
start = time.perf_counter()
for path in sys.argv[3:]:
    im = Image.open(path)
    frames = [im.ico.frame(i) for i in range(len(im.ico.entry))]
    if fmt == "bmp":  # bitmaps hold no grey+alpha
        frames = [f if f.mode in BmpImagePlugin.SAVE else f.convert("RGBA") for f in frames]
    extra = {"bitmap_format": "bmp"} if fmt == "bmp" else {}
    largest = max(frames, key=lambda f: f.size)
    largest.save(os.path.join(out_dir, os.path.basename(path)), format="ICO",
                 sizes=[f.size for f in frames], append_images=frames, **extra)
print(f"{time.perf_counter() - start:.6f}")
EOF
for fmt in png bmp; do
    best_in="" best_all=""
    for ((r = 0; r < reps; r++)); do
        clear_out
        t0=$EPOCHREALTIME
        inside=$("$python" "$work/pillow_encode.py" "$fmt" "$work/out" "${batch[@]}")
        t1=$EPOCHREALTIME
        best_in=$(min "$best_in" "$inside")
        best_all=$(min "$best_all" "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f", b - a }')")
    done
    record "Pillow open+save, $fmt entries (in Python)" "$best_in" encode
    record "Pillow $fmt, with interpreter start" "$best_all" encode
done

# icotool -c builds an icon from image files: each fixture's entries, extracted once as PNGs
# (untimed), are the input of every copy of that fixture. It writes every image as a bitmap.
declare -A pngs
for src in "${sources[@]}"; do
    name=$(basename "$src" .ico)
    mkdir "$work/png/$name"
    quiet icotool -x -o "$work/png/$name" "$src"
    pngs[$name]=$(printf '%s\n' "$work/png/$name"/*.png)
done
create_each() {
    local f name list
    for f in "${batch[@]}"; do
        name=$(basename "$f" .ico)
        name=${name%-[0-9][0-9]}
        mapfile -t list <<<"${pngs[$name]}"
        quiet icotool -c -o "$work/out/$(basename "$f")" "${list[@]}"
    done
}
measure "icotool -c from PNGs, each file" encode clear_out create_each

if [[ -x $bench ]]; then
    best=$("$bench" --benchmark_filter='^EncodeBatch$' --benchmark_repetitions="$reps" \
        --benchmark_min_time=0.2 --benchmark_format=json 2>/dev/null |
        "$python" -c 'import json, sys
runs = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("run_type") == "iteration"]
print(min(b["real_time"] for b in runs) * 1e-6 * int(sys.argv[1]))' "$copies")
    record "ormel EncodeIconFile in memory (bench x$copies)" "$best" encode
fi

# --- The table ------------------------------------------------------------------------------
echo
echo "best of $reps runs; ratios are seconds / seconds of the reference (above 1 is slower)"
for kind in decode encode; do
    ours="" floor_s=""
    for i in "${!names[@]}"; do
        [[ ${kinds[i]} == "$kind" ]] || continue
        [[ -z $ours ]] && ours=${secs[i]}
        [[ ${names[i]} == png_floor* ]] && floor_s=${secs[i]}
    done
    echo
    printf '%-46s %10s %9s %9s\n' "$kind ($((${#batch[@]})) files)" seconds "vs ours" "vs floor"
    for i in "${!names[@]}"; do
        [[ ${kinds[i]} == "$kind" ]] || continue
        awk -v n="${names[i]}" -v s="${secs[i]}" -v o="$ours" -v f="$floor_s" 'BEGIN {
            printf "%-46s %10.4f %9.2f %9s\n", n, s, s / o, (f == "" ? "-" : sprintf("%.2f", s / f))
        }'
    done
done
