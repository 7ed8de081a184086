#!/bin/sh
# Fuzzes the program's readers with libFuzzer for FUZZ_SECONDS (60) each.
# New interesting inputs are merged into tests/fuzz/corpus/NAME; crashes
# land in tests/fuzz/crashes/NAME, where the test suite replays them.
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH=${FUZZ_SECONDS:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
TARGETS=${*:-"number_text time_text ppp_readers property_bag update_import"}

sh scripts/install-deps.sh
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
    -DZRT_FUZZ=ON -DZRT_BUILD_BENCH=OFF >/dev/null

export QT_QPA_PLATFORM=offscreen
for name in $TARGETS; do
    cmake --build "$BUILD_DIR" --target "fuzz_$name"
    corpus=tests/fuzz/corpus/$name
    crashes=tests/fuzz/crashes/$name
    work=$(mktemp -d)
    mkdir -p "$corpus" "$crashes"
    echo "== $name: $SECONDS_EACH s"
    # Qt keeps font caches for the life of the process: not leaks of ours.
    leaks=1; [ "$name" = property_bag ] && leaks=0
    "$BUILD_DIR/bin/fuzz_$name" -max_total_time="$SECONDS_EACH" -artifact_prefix="$crashes/" -detect_leaks=$leaks \
        -print_final_stats=1 "$work" "$corpus" 2>&1 | grep -E '^(#|stat::number_of_executed_units|==|SUMMARY)' | tail -3 || true
    (cd "$work" && "$OLDPWD/$BUILD_DIR/bin/fuzz_$name" -merge=1 -detect_leaks=0 "$OLDPWD/$corpus" "$work" >/dev/null 2>&1) || true
    rm -rf "$work"
done
