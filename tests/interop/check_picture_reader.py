"""Holds what `ormel-cli picture` reads against Pillow.

For every picture in tests/data/pictures, photo-board.bmp, photo-board.jpg and the icon
fixtures, the size (of an icon: its largest image) must match Pillow's, and the picture has
alpha exactly when Pillow finds a pixel that is not fully opaque.
"""
import os
import re
import subprocess
import sys

from PIL import Image

from test_data import listed_files

NAMES = ["board-24bit.bmp", "board-8bit.bmp", "board-rgb565.bmp", "board-rle8.bmp", "board-alpha.bmp",
         "board-alpha.png", "board-transparent.gif"]


def pillow_view(path):
    with Image.open(path) as image:
        if image.format == "ICO":
            image.size = max(image.info["sizes"], key=lambda s: s[0] * s[1])
        rgba = image.convert("RGBA")
        return rgba.size, rgba.getextrema()[3][0] < 255


def main():
    cli, data = sys.argv[1:3]
    paths = [os.path.join(data, "pictures", n) for n in NAMES]
    paths += [os.path.join(data, n) for n in ("photo-board.bmp", "photo-board.jpg")]
    paths += listed_files(data, lambda n: n.endswith(".ico"))
    failures = []
    for path in paths:
        out = subprocess.run([cli, "picture", path], capture_output=True, text=True)
        m = re.match(r".*: (\w+) (\d+) x (\d+)(, alpha)?$", out.stdout.strip())
        if out.returncode != 0 or not m:
            failures.append(f"{path}: ormel-cli picture failed: {out.stderr.strip()}")
            continue
        ours = ((int(m.group(2)), int(m.group(3))), m.group(4) is not None)
        theirs = pillow_view(path)
        if ours != theirs:
            failures.append(f"{path}: ours {ours}, Pillow {theirs}")
    for f in failures:
        print("FAIL", f)
    print(f"{len(paths) - len(failures)} of {len(paths)} pictures read as Pillow reads them")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
