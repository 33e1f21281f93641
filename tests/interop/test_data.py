"""The test data files the interop checks read, as listed in tests/data/FACTS.txt.

Each check takes its inputs from the listing rather than from whatever the directory holds, so
a file that went missing is reported by path instead of being skipped without a word.
"""
import os
import re
import sys


def listed_files(data_dir, keep):
    """Paths of the FACTS.txt entries whose name `keep` accepts, in name order.

    Exits with a FAIL line for FACTS.txt or any listed file that does not exist."""
    facts = os.path.join(data_dir, "FACTS.txt")
    if not os.path.isfile(facts):
        print(f"FAIL missing test data file {facts}")
        sys.exit(1)
    with open(facts) as f:
        names = sorted({m.group(1) for m in (re.match(r"### (\S+)", line) for line in f) if m})
    paths = [os.path.join(data_dir, n) for n in names if keep(n)]
    missing = [p for p in paths if not os.path.isfile(p)]
    for p in missing:
        print(f"FAIL missing test data file {p}")
    if missing or not paths:
        sys.exit(1)
    return paths
