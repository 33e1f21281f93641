"""Holds the pictures `ormel-cli convert` writes against Pillow's readers.

Every image of every .ico fixture is written as PNG, BMP, GIF and JPEG. PNG must give our
colours and alpha exactly; BMP exactly our colours composed over white, (c * (255 - t) +
255 * t) // 256 with t = 255 - alpha; GIF exactly the same when the composed image has at most
256 colours, and close otherwise; JPEG as close as Pillow's own encoder at the same default
quality gets (within 1 dB).
"""
import io
import math
import os
import subprocess
import sys
import tempfile

from PIL import Image

from test_data import listed_files


def composed(rgba):
    out = bytearray()
    for i in range(0, len(rgba), 4):
        t = 255 - rgba[i + 3]
        out += bytes((c * (255 - t) + 255 * t) // 256 for c in rgba[i:i + 3])
    return bytes(out)


def psnr(a, b):
    mse = sum((x - y) ** 2 for x, y in zip(a, b)) / len(a)
    return math.inf if mse == 0 else 10 * math.log10(255 * 255 / mse)


def main():
    dump, cli, fixtures = sys.argv[1:4]
    failures, checked = [], 0
    for path in listed_files(fixtures, lambda n: n.endswith(".ico")):
        name = os.path.basename(path)
        with tempfile.TemporaryDirectory() as work:
            listing = subprocess.run([dump, path, work], check=True, capture_output=True, text=True).stdout
            for line in listing.splitlines():
                index, width, height, _ = (int(v) for v in line.split())
                with open(os.path.join(work, f"{index}.rgba"), "rb") as f:
                    rgba = f.read()
                flat = composed(rgba)
                label = f"{name} #{index + 1}"
                for ext in ("png", "bmp", "gif", "jpg"):
                    out = os.path.join(work, f"{index}.{ext}")
                    subprocess.run([cli, "convert", path, out, "--image", str(index + 1)], check=True)
                    with Image.open(out) as im:
                        if im.size != (width, height):
                            failures.append(f"{label} {ext}: size {im.size}")
                            continue
                        if ext == "png":
                            ok = im.convert("RGBA").tobytes() == rgba
                        elif ext == "bmp":
                            ok = im.convert("RGB").tobytes() == flat
                        elif ext == "gif":
                            got = im.convert("RGB").tobytes()
                            colours = len({flat[i:i + 3] for i in range(0, len(flat), 3)})
                            ok = got == flat if colours <= 256 else psnr(got, flat) > 30
                        else:
                            reference = io.BytesIO()
                            Image.frombytes("RGB", (width, height), flat).save(reference, "JPEG", quality=75)
                            expected = psnr(Image.open(reference).convert("RGB").tobytes(), flat)
                            ok = psnr(im.convert("RGB").tobytes(), flat) >= expected - 1
                        if not ok:
                            failures.append(f"{label} {ext}: pixels differ")
                    checked += 1
    for f in failures:
        print("FAIL", f)
    print(f"{checked} pictures checked, {len(failures)} differences")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
