#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each one for SECONDS (default 60), one after another, starting from the
# seed corpus in tests/fuzz/corpus/<target>/ plus what earlier runs found (build-fuzz/corpus/),
# with the target's dictionary tests/fuzz/dict/<target>.dict.
# Prints executions, time, rate and coverage (at the start and the end) per target; exits non-zero when a target found a fault (the
# input is kept in build-fuzz/artifacts/). Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_data_pair fuzz_image_codec fuzz_protocol_engine
                                      fuzz_version_file fuzz_settings_file fuzz_csv_import
                                      fuzz_channel_paste)

launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DKV_FUZZ=ON -DKV_WITH_GUI=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target kv_fuzz_targets

# The largest input each target takes: a data file pair with a modest companion, a whole image,
# a long event script, an ini file.
max_len() {
    case $1 in
        fuzz_data_pair) echo 16384 ;;
        fuzz_image_codec) echo 139777 ;;
        *) echo 4096 ;;
    esac
}

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# AddressSanitizer keeps freed memory in quarantine and in its free lists, and libFuzzer hands it
# back only once the peak resident memory passes half the limit: with the default 2048 MB the INI
# targets, which free some 50 kB per run, grew for many minutes without any leak. Half of 512 MB
# is where the memory is handed back every second; a target that truly keeps more fails.
rss_limit_mb=512
mkdir -p build-fuzz/artifacts
status=0
summary=()
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    log=build-fuzz/$target.log
    echo "== $target: ${seconds}s"
    start=$(date +%s.%N)
    if ! build-fuzz/fuzz/"$target" "$corpus" "tests/fuzz/corpus/$target" \
        -dict="tests/fuzz/dict/$target.dict" \
        -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=20 \
        -rss_limit_mb="$rss_limit_mb" \
        -artifact_prefix=build-fuzz/artifacts/"$target"- -print_final_stats=1 >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target FAILED: see $log and build-fuzz/artifacts/" >&2
        status=1
    fi
    end=$(date +%s.%N)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=${runs:-0}
    # Coverage (edges) once the corpus was loaded and at the end of the run.
    first_cov=$(sed -n 's/.*INITED cov: \([0-9]*\).*/\1/p' "$log" | head -n 1)
    last_cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d ' ' -f 2)
    summary+=("$(awk -v t="$target" -v n="$runs" -v s="$start" -v e="$end" \
        -v c0="${first_cov:-0}" -v c1="${last_cov:-0}" \
        'BEGIN { d = e - s; printf "%-22s %12d executions %8.1f s %10.0f exec/s  cov %d -> %d",
                 t, n, d, n / d, c0, c1 }')")
done
printf '%s\n' "${summary[@]}"
exit $status
