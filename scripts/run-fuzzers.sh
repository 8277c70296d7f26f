#!/usr/bin/env bash
# Runs the libFuzzer programs of a fuzzing build for a given time each, on a corpus seeded by
# code (fuzz_seeds) and by the inputs kept in fuzz/corpus/<target>/, and prints per target the
# executions, the corpus size and the crashes found (kept in <build>/fuzz-work/findings/).
# One allocation above 600 MB counts as a finding: the safety caps keep every reader below it.
# Usage: run-fuzzers.sh <build folder> [seconds per target, 60] [target...]
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
seconds=${2:-60}
shift $(( $# >= 2 ? 2 : 1 ))
root=$(cd "$(dirname "$0")/.." && pwd)
work=$build/fuzz-work
export QT_QPA_PLATFORM=offscreen
# The path readers' inputs go through a scratch file: keep it in memory when possible.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

"$build/fuzz/fuzz_seeds" "$work/seeds" >/dev/null 2>&1 || { echo "fuzz_seeds failed"; exit 1; }
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(find "$build/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' \
        ! -name fuzz_seeds -printf '%f\n' | sed 's/^fuzz_//' | sort)
fi

status=0
printf '%-14s %12s %8s %8s\n' target executions corpus crashes
for t in "${targets[@]}"; do
    corpus=$work/corpus/$t
    findings=$work/findings/$t
    mkdir -p "$corpus" "$findings"
    cp -n "$work/seeds/$t"/* "$corpus"/ 2>/dev/null
    cp -n "$root/fuzz/corpus/$t"/* "$corpus"/ 2>/dev/null
    dict=()
    [ -f "$root/fuzz/dict/$t.dict" ] && dict=(-dict="$root/fuzz/dict/$t.dict")
    log=$work/$t.log
    (cd "$work" && "$build/fuzz/fuzz_$t" "$corpus" "${dict[@]}" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=3072 -malloc_limit_mb=600 -print_final_stats=1 \
        -artifact_prefix="$findings/") >"$log" 2>&1
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    crashes=$(find "$findings" -type f | wc -l)
    [ "$crashes" -gt 0 ] && status=1
    printf '%-14s %12s %8s %8s\n' "$t" "${execs:-?}" "$(find "$corpus" -type f | wc -l)" "$crashes"
done
exit $status
