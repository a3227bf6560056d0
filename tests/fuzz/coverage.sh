#!/usr/bin/env bash
# The lines of the rules (game/, human/, computer/) that the committed fuzz
# inputs reach: builds the replay runner with clang's source-based coverage,
# replays tests/fuzz/corpus/ and tests/fuzz/regressions/ through it, and
# prints llvm-cov's report per file, then the total of the play alone: the
# rules without the state checker and the notation, whose lines past the
# first serve only a broken or a written table. `make fuzz-coverage` runs it.
#
#   tests/fuzz/coverage.sh [BUILD_DIR] [--show]     (default build-cov)
#
# With --show it also prints every rule line that no input reaches.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-cov
show=no
for arg in "$@"; do
    case $arg in
    --show) show=yes ;;
    *) build=$arg ;;
    esac
done
profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata || true)
cov=$(command -v llvm-cov-14 || command -v llvm-cov || true)
if [ -z "$profdata" ] || [ -z "$cov" ]; then
    echo "coverage.sh: needs llvm-profdata and llvm-cov (Debian: apt install llvm-14)" >&2
    exit 1
fi

flags="-fprofile-instr-generate -fcoverage-mapping"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DKOLVAR_CORE_ONLY=ON \
    -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_EXE_LINKER_FLAGS=$flags" \
    --log-level=WARNING
cmake --build "$build" -j 2 --target kolvar_fuzz_replay >/dev/null

rm -f "$build"/fuzz-*.profraw
LLVM_PROFILE_FILE="$build/fuzz-%p.profraw" "$build"/kolvar_fuzz_replay \
    tests/fuzz/corpus tests/fuzz/regressions
"$profdata" merge -sparse "$build"/fuzz-*.profraw -o "$build"/fuzz.profdata

rules=(game/*.cpp game/*.h human/*.cpp human/*.h computer/*.cpp computer/*.h)
"$cov" report "$build"/kolvar_fuzz_replay -instr-profile="$build"/fuzz.profdata \
    "${rules[@]}"
play=()
for f in "${rules[@]}"; do
    case $f in game/invariants.* | game/notation.*) ;;
    *) play+=("$f") ;;
    esac
done
echo "The play alone (regions, functions, lines, branches):"
"$cov" report "$build"/kolvar_fuzz_replay -instr-profile="$build"/fuzz.profdata "${play[@]}" |
    tail -n 1
if [ "$show" = yes ]; then
    "$cov" show "$build"/kolvar_fuzz_replay -instr-profile="$build"/fuzz.profdata \
        -show-line-counts-or-regions "${rules[@]}" | grep -E '^ *[0-9]+\| *0\||^/' || true
fi
