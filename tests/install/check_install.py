"""Installs the build into a fresh prefix and checks what lands there: both programs, the data
directory where the editor looks for it (<prefix>/bin/../share/ormel), the desktop entry and the
AppStream metadata (each accepted by its validator), and the hicolor icons, each a PNG of its
folder's size.

    check_install.py CMAKE BUILD_DIR
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

APP_ID = "io.github.ormel.Ormel"
SIZES = (16, 32, 48, 256)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def main():
    cmake, build = sys.argv[1:3]
    failures = []
    with tempfile.TemporaryDirectory() as prefix:
        run = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True, text=True)
        if run.returncode != 0:
            print("FAIL cmake --install:", run.stderr.strip())
            return 1
        share = os.path.join(prefix, "share")
        desktop = os.path.join(share, "applications", APP_ID + ".desktop")
        metainfo = os.path.join(share, "metainfo", APP_ID + ".metainfo.xml")
        expected = [os.path.join(prefix, "bin", p) for p in ("ormel", "ormel-cli")]
        expected += [os.path.join(share, "ormel", p) for p in ("cartoon3.set", "ormel.ico", "help/index.html")]
        expected += [desktop, metainfo]
        failures += [f"not installed: {os.path.relpath(p, prefix)}" for p in expected if not os.path.isfile(p)]
        failures += [f"not executable: bin/{os.path.basename(p)}" for p in expected[:2]
                     if os.path.isfile(p) and not os.access(p, os.X_OK)]

        for size in SIZES:
            icon = os.path.join(share, "icons", "hicolor", f"{size}x{size}", "apps", APP_ID + ".png")
            got = png_size(icon) if os.path.isfile(icon) else "missing"
            if got != (size, size):
                failures.append(f"hicolor {size}x{size} icon: {got}")

        for tool in (["desktop-file-validate", desktop], ["appstreamcli", "validate", "--no-net", "--pedantic", metainfo]):
            if os.path.isfile(tool[-1]):
                check = subprocess.run(tool, capture_output=True, text=True)
                if check.returncode != 0:
                    failures.append(f"{tool[0]}: {(check.stdout + check.stderr).strip()}")

        if os.path.isfile(desktop):
            with open(desktop) as f:
                entry = f.read()
            exec_line = re.search(r"^Exec=(\S+)", entry, re.M)
            if not exec_line or not os.path.isfile(os.path.join(prefix, "bin", exec_line.group(1))):
                failures.append(f"the desktop entry runs {exec_line and exec_line.group(1)}, which is not installed")
            if not re.search(rf"^Icon={re.escape(APP_ID)}$", entry, re.M):
                failures.append(f"the desktop entry's icon is not {APP_ID}")

    for f in failures:
        print("FAIL", f)
    print(f"{len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
