#!/usr/bin/env bash
# Merges the corpora that `make fuzz` grew (<build>/fuzz-work/corpus/<target>/) into the kept
# corpora fuzz/corpus/<target>/, keeping only the inputs that add coverage, so that `make test`
# replays them and the next fuzzing starts from them.
# Usage: keep-corpora.sh <build folder> [target...]
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
shift
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
[ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=0
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(find "$build/fuzz-work/corpus" -mindepth 1 -maxdepth 1 -type d \
        -printf '%f\n' | sort)
fi
for t in "${targets[@]}"; do
    kept=$root/fuzz/corpus/$t
    mkdir -p "$kept"
    "$build/fuzz/fuzz_$t" -merge=1 -timeout=10 -rss_limit_mb=3072 "$kept" \
        "$build/fuzz-work/corpus/$t" >/dev/null 2>&1 || { echo "$t: merge failed"; continue; }
    echo "$t: $(find "$kept" -type f | wc -l) inputs kept"
done
