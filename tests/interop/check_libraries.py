"""Holds our executable icon reader against icoutils.

For every PE fixture: `ormel-cli info` lists as many entries and images as FACTS.txt gives
(what `wrestool -l` says), and `ormel-cli extract` writes one icon per group whose images equal,
pixel for pixel and in order, those of the icon `wrestool -x` extracts for that group (both
read with our ICO reader).
"""
import os
import re
import subprocess
import sys
import tempfile

from test_data import listed_files


def facts(fixtures):
    """{file: (groups, images)} from FACTS.txt."""
    result, current = {}, None
    with open(os.path.join(fixtures, "FACTS.txt")) as f:
        for line in f:
            m = re.match(r"### (\S+)", line)
            if m:
                current = m.group(1)
                result[current] = [0, 0]
            elif current and line.startswith("--name="):
                result[current][0] += 1
            elif current and line.startswith("icon images (RT_ICON):"):
                result[current][1] = int(line.split(":")[1])
    return {k: tuple(v) for k, v in result.items()}


def dump(dump_icon, path, workdir):
    os.makedirs(workdir)
    out = subprocess.run([dump_icon, path, workdir], check=True, capture_output=True, text=True).stdout
    images = []
    for line in out.splitlines():
        index = line.split()[0]
        with open(os.path.join(workdir, f"{index}.rgba"), "rb") as f:
            images.append((line.split()[1:], f.read()))
    return images


def group_names(path):
    out = subprocess.run(["wrestool", "-l", "--type=group_icon", path], check=True, capture_output=True, text=True).stdout
    return [re.search(r"--name=(\S+)", line).group(1).strip("'") for line in out.splitlines() if line.strip()]


def main():
    dump_icon, cli, fixtures = sys.argv[1:4]
    paths = listed_files(fixtures, lambda n: n.startswith("pe32"))
    expected = facts(fixtures)
    failures, checked = [], 0
    for path in paths:
        name = os.path.basename(path)
        listing = subprocess.run([cli, "info", path], check=True, capture_output=True, text=True).stdout
        entries = [line for line in listing.splitlines()[1:] if line.strip()]
        images = sum(len(line.split(":", 1)[1].split(",")) for line in entries)
        if (len(entries), images) != expected.get(name):
            failures.append(f"{name}: {len(entries)} groups, {images} images; FACTS.txt says {expected.get(name)}")

        with tempfile.TemporaryDirectory() as work:
            ours_dir = os.path.join(work, "ours")
            subprocess.run([cli, "extract", path, ours_dir], check=True, capture_output=True)
            for i, group in enumerate(group_names(path)):
                theirs = os.path.join(work, f"theirs{i}.ico")
                subprocess.run(["wrestool", "-x", "--type=group_icon", f"--name={group}", "-o", theirs, path], check=True)
                ours = dump(dump_icon, os.path.join(ours_dir, f"Orm Icon{i + 1}.ico"), os.path.join(work, f"o{i}"))
                reference = dump(dump_icon, theirs, os.path.join(work, f"t{i}"))
                if ours != reference:
                    failures.append(f"{name} group {group}: extracted images differ from wrestool's")
                checked += len(ours)
    for f in failures:
        print("FAIL", f)
    print(f"{checked} images checked, {len(failures)} differences")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
