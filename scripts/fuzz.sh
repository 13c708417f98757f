#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (libFuzzer, AddressSanitizer, UBSan) and runs
# each of them in turn for a bounded time:
#   scripts/fuzz.sh [SECONDS] [TARGET...]      default 60 s each, all four targets
#   scripts/fuzz.sh 5                          the short run CI uses
# Targets: project_load, grid_number, number_format, pipeline. New corpus entries go to
# $FUZZ_BUILD_DIR/corpus/<target>/ (the seeds in fuzz/corpus/<target>/ stay as they are).
# A crash, a hang (one input over 10 s) or a broken invariant leaves the input in
# $FUZZ_BUILD_DIR/artifacts/<target>/, prints the end of the target's log and makes the script
# exit with status 1 once every target has run. Environment: FUZZ_BUILD_DIR (build-fuzz),
# FUZZ_CXX (clang++), JOBS (1).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[[ $# -gt 0 ]] && shift
targets=("$@")
[[ ${#targets[@]} -eq 0 ]] && targets=(project_load grid_number number_format pipeline)
build=${FUZZ_BUILD_DIR:-build-fuzz}

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++}" >/dev/null
cmake --build "$build" -j"${JOBS:-1}" >/dev/null

status=0
for target in "${targets[@]}"; do
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
    case $target in
    project_load | pipeline) options+=(-max_len=8192 -dict=fuzz/project.dict) ;;
    grid_number) options+=(-max_len=256) ;;
    number_format) options+=(-max_len=64) ;;
    *) echo "fuzz.sh: unknown target $target" >&2; exit 2 ;;
    esac
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    log=$build/fuzz_$target.log
    mkdir -p "$corpus" "$artifacts"
    if "$build/fuzz_$target" "${options[@]}" -artifact_prefix="$artifacts/" \
        "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    size=$(grep -o 'corp: [0-9]*/[0-9]*[a-zA-Z]*' "$log" | tail -1 | cut -d' ' -f2)
    printf '%-14s %-6s %8s runs %6s exec/s  corpus %s\n' "$target" "$result" "${runs:-?}" \
        "${speed:-?}" "${size:-?}"
    if [[ $result == FAILED ]]; then
        tail -40 "$log"
        ls "$artifacts"
    fi
done
exit $status
