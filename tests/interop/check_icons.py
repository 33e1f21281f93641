"""Holds our icon reader and writer against independent tools.

For every .ico fixture: our decoded pixels must equal Pillow's (alpha exactly, colours where
alpha > 0). Each fixture written back by `ormel-cli convert` must be listed by `icotool -l`
with the same sizes and our bit depths, and decode in Pillow to the pixels we read from the
original (below 32 bits the bitmap form keeps only full transparency).
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

from PIL import IcoImagePlugin

from test_data import listed_files


def directory_offsets(path):
    with open(path, "rb") as f:
        data = f.read()
    count = struct.unpack_from("<H", data, 4)[0]
    return [struct.unpack_from("<I", data, 6 + 16 * i + 12)[0] for i in range(count)]


def pillow_images(path):
    """RGBA bytes of every entry, in directory order."""
    with open(path, "rb") as f:
        ico = IcoImagePlugin.IcoFile(f)
        by_offset = {}
        for idx, entry in enumerate(ico.entry):
            im = ico.frame(idx).convert("RGBA")
            by_offset[entry["offset"]] = (im.size, im.tobytes())
    return [by_offset[o] for o in directory_offsets(path)]


def our_images(dump, path, workdir):
    out = subprocess.run([dump, path, workdir], check=True, capture_output=True, text=True).stdout
    images = []
    for line in out.splitlines():
        index, width, height, bits = (int(v) for v in line.split())
        with open(os.path.join(workdir, f"{index}.rgba"), "rb") as f:
            images.append(((width, height), bits, f.read()))
    return images


def compare(label, ours, theirs, binary_alpha=False):
    (size, data) = theirs
    (our_size, _, our_data) = ours
    if size != our_size:
        return [f"{label}: size {our_size} vs {size}"]
    bad = 0
    for i in range(0, len(data), 4):
        a_ours, a_theirs = our_data[i + 3], data[i + 3]
        if binary_alpha:
            a_ours = 0 if a_ours == 0 else 255
        if a_ours != a_theirs or (a_theirs > 0 and our_data[i:i + 3] != data[i:i + 3]):
            bad += 1
    return [f"{label}: {bad} pixels differ"] if bad else []


def icotool_listing(path):
    out = subprocess.run(["icotool", "-l", path], check=True, capture_output=True, text=True).stdout
    return [tuple(int(v) for v in re.search(r"--width=(\d+) --height=(\d+) --bit-depth=(\d+)", line).groups())
            for line in out.splitlines() if line.strip()]


def main():
    dump, cli, fixtures = sys.argv[1:4]
    failures = []
    checked = 0
    for path in listed_files(fixtures, lambda n: n.endswith(".ico")):
        name = os.path.basename(path)
        with tempfile.TemporaryDirectory() as work:
            ours = our_images(dump, path, work)
            theirs = pillow_images(path)
            if len(ours) != len(theirs):
                failures.append(f"{name}: {len(ours)} images vs Pillow's {len(theirs)}")
                continue
            for i, (o, t) in enumerate(zip(ours, theirs)):
                failures += compare(f"{name} #{i + 1} read", o, t)

            converted = os.path.join(work, "converted.ico")
            subprocess.run([cli, "convert", path, converted], check=True)
            listed = icotool_listing(converted)
            expected = [(w, h, bits) for ((w, h), bits, _) in ours]
            if listed != expected:
                failures.append(f"{name}: icotool lists {listed}, expected {expected}")
            for i, (o, t) in enumerate(zip(ours, pillow_images(converted))):
                (w, h), bits, _ = o
                failures += compare(f"{name} #{i + 1} written", o, t, binary_alpha=bits < 32 and w <= 128 and h <= 128)
            checked += len(ours)
    for f in failures:
        print("FAIL", f)
    print(f"{checked} images checked, {len(failures)} differences")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
