#!/usr/bin/env bash
# Times `ormel-cli extract` against `wrestool -x --type=group_icon` on a DLL with many icon
# groups, and prints both times and their ratio.
#
#   bench/library_extract_bench.sh [BUILD_DIR [DLL]]     (default /work/main/build)
#
# Without a DLL it downloads Debian's libwine package (apt-get download, nothing is installed)
# into a temporary directory and takes its 64-bit shell32.dll (184 icon groups); when that is
# not possible it says so and stops. Environment: REPS (default 10) runs of each tool, the best
# one is reported; TMPDIR where the outputs (and the download) go, removed at the end.
set -euo pipefail
shopt -s inherit_errexit

build=${1:-/work/main/build}
dll=${2:-}
reps=${REPS:-10}
cli=$build/src/cli/ormel-cli
[[ -x $cli ]] || { echo "missing $cli: build ormel-cli first" >&2; exit 1; }
command -v wrestool >/dev/null || { echo "wrestool (icoutils) is not installed" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ormel-library-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

if [[ -z $dll ]]; then
    if ! (cd "$work" && apt-get download libwine >/dev/null 2>&1 && dpkg-deb -x libwine_*.deb wine); then
        echo "skipped: no DLL given and the libwine package could not be downloaded"
        exit 0
    fi
    dll=$(find "$work/wine" -path '*x86_64-windows/shell32.dll' | head -n 1)
    [[ -n $dll ]] || { echo "skipped: the libwine package holds no x86_64 shell32.dll"; exit 0; }
fi
[[ -f $dll ]] || { echo "no such file: $dll" >&2; exit 1; }
groups=$(wrestool -l --type=group_icon "$dll" | grep -c . || true)
echo "$(basename "$dll"): $groups icon groups, $(stat -c %s "$dll") bytes"

# Prints the seconds one run of the command takes (its output discarded); fails with it.
elapsed() {
    local t0 t1
    t0=$EPOCHREALTIME
    "$@" >/dev/null
    t1=$EPOCHREALTIME
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f\n", b - a }'
}
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

# Best of $reps runs, each into an emptied output directory.
best_of() {
    local out=$1 best="" t
    shift
    for ((r = 0; r < reps; r++)); do
        rm -rf "$out" && mkdir "$out"
        t=$(elapsed "$@")
        best=$(min "$best" "$t")
    done
    echo "$best"
}

ours=$(best_of "$work/ours" "$cli" extract "$dll" "$work/ours")
theirs=$(best_of "$work/theirs" wrestool -x --type=group_icon -o "$work/theirs" "$dll")
written=$(find "$work/ours" -name '*.ico' | wc -l)
extracted=$(find "$work/theirs" -name '*.ico' | wc -l)
printf "ormel-cli extract:                 %8.1f ms  (%d icons)\n" "$(awk -v s="$ours" 'BEGIN { print s * 1000 }')" "$written"
printf "wrestool -x --type=group_icon:     %8.1f ms  (%d icons)\n" "$(awk -v s="$theirs" 'BEGIN { print s * 1000 }')" "$extracted"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ormel-cli is %.1f x faster\n", b / a }'
