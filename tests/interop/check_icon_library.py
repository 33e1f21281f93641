"""Holds the icon libraries that `ormel-cli pack` writes against icoutils and our own reader.

The fixture icons (one of them twice, so that two entries share a file name) are packed into
one library. `wrestool -l` must list one group per input and one icon per image;
`wrestool -x --type=group_icon` must give back icons whose decoded pixels equal those of the
inputs; and `ormel-cli info` must list the entries with their names and formats.
"""
import os
import re
import subprocess
import sys
import tempfile

from test_data import listed_files


def decoded(dump, path, workdir):
    """(width, height, bits, rgba bytes) of every image, as our ICO reader decodes it."""
    out = subprocess.run([dump, path, workdir], check=True, capture_output=True, text=True).stdout
    images = []
    for line in out.splitlines():
        index, width, height, bits = (int(v) for v in line.split())
        with open(os.path.join(workdir, f"{index}.rgba"), "rb") as f:
            images.append((width, height, bits, f.read()))
    return images


def main():
    dump, cli, fixtures = sys.argv[1:4]
    inputs = listed_files(fixtures, lambda n: n.endswith(".ico"))
    inputs.append(inputs[0])
    stem = lambda p: os.path.splitext(os.path.basename(p))[0]
    names = [stem(p) for p in inputs[:-1]] + [stem(inputs[0]) + "(1)"]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        expected = []
        for i, path in enumerate(inputs):
            os.makedirs(os.path.join(work, f"in{i}"))
            expected.append(decoded(dump, path, os.path.join(work, f"in{i}")))

        library = os.path.join(work, "packed.icl")
        subprocess.run([cli, "pack", library] + inputs, check=True, capture_output=True)

        listing = subprocess.run(["wrestool", "-l", library], check=True, capture_output=True, text=True)
        groups = re.findall(r"--type=14 --name=(\d+)", listing.stdout)
        icons = re.findall(r"--type=3 --name=(\d+)", listing.stdout)
        image_count = sum(len(images) for images in expected)
        if groups != [str(n) for n in range(1, len(inputs) + 1)]:
            failures.append(f"wrestool lists groups {groups}")
        if icons != [str(n) for n in range(1, image_count + 1)]:
            failures.append(f"wrestool lists {len(icons)} icons, expected {image_count}")
        if listing.stderr.strip():
            failures.append(f"wrestool -l: {listing.stderr.strip()}")

        extracted = os.path.join(work, "extracted")
        os.makedirs(extracted)
        subprocess.run(["wrestool", "-x", "--type=group_icon", "-o", extracted, library], check=True,
                       capture_output=True)
        for n, images in enumerate(expected, start=1):
            icon = os.path.join(extracted, f"packed.icl_14_{n}.ico")
            if not os.path.exists(icon):
                failures.append(f"group {n}: not extracted")
                continue
            os.makedirs(os.path.join(work, f"out{n}"))
            got = decoded(dump, icon, os.path.join(work, f"out{n}"))
            if [g[:3] for g in got] != [e[:3] for e in images]:
                failures.append(f"group {n}: formats {[g[:3] for g in got]} vs {[e[:3] for e in images]}")
            elif any(g[3] != e[3] for g, e in zip(got, images)):
                failures.append(f"group {n}: pixels differ from {inputs[n - 1]}")

        info = subprocess.run([cli, "info", library], check=True, capture_output=True, text=True).stdout
        entries = [line.strip().rsplit(": ", 1) for line in info.splitlines()[1:] if line.strip()]
        listed_names = [e[0] for e in entries]
        if listed_names != names:
            failures.append(f"ormel-cli info names {listed_names}, expected {names}")
        for (name, formats), images in zip(entries, expected):
            wanted = ", ".join(f"{w}x{h}x{b}" for (w, h, b, _) in images)
            if formats != wanted:
                failures.append(f"{name}: ormel-cli info gives {formats}, expected {wanted}")

    for f in failures:
        print("FAIL", f)
    print(f"{len(inputs)} icons packed, {len(failures)} differences")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
