#!/usr/bin/env bash
# The test command: installs what is missing, builds and tests the portable code natively
# with sanitizers, fuzzes the code that reads files and user input for a bounded time, prints
# the record store's benchmark figures, cross-builds everything for Windows, runs the
# Windows tests under Wine in a private test environment and prints the figures under Wine.
# Every step runs even when an earlier one failed, so one run shows every fault; the exit
# code is non-zero when any step failed.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
fuzz_seconds=${PAPYRKA_FUZZ_SECONDS:-30}
jobs=${PAPYRKA_JOBS:-2}
cd "$root"
mkdir -p "$build"

failures=()
summary=()
started=$SECONDS

step() { printf '\n==== %s\n' "$*"; }
fail() { failures+=("$1"); summary+=("$1: FAILED${2:+ ($2)}"); }
note() { summary+=("$1: $2"); }

# Runs ctest and keeps its summary lines ("100% tests passed, ..." and the failed tests).
run_ctest() {
  local name=$1 log=$build/$1-ctest.log
  shift
  "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line
  while IFS= read -r line; do
    summary+=("$name: $line")
  done < <(grep -E '^[0-9]+% tests passed|^[[:space:]]+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess|Not Run|Exception)' "$log")
  if ((rc != 0)); then
    failures+=("$name")
    grep -qE '^[0-9]+% tests passed' "$log" || summary+=("$name: FAILED (ctest exit $rc)")
  fi
}

step "Dependencies"
bash scripts/deps.sh || { echo "test.sh: could not install the dependencies" >&2; exit 1; }

# --- native: portable code with AddressSanitizer and UndefinedBehaviorSanitizer ------------
fuzz_option=OFF
if [[ -f shared/record/fuzz/CMakeLists.txt ]]; then
  fuzz_option=ON   # the fuzz target shares the native build: clang with sanitizers either way
fi
step "Native build (clang++, sanitizers) in build/native"
if cmake -S . -B build/native -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DPAPYRKA_SANITIZE=ON \
     -DPAPYRKA_FUZZ=$fuzz_option >/dev/null &&
   cmake --build build/native -j"$jobs"; then
  step "Native tests"
  run_ctest native ctest --test-dir build/native --output-on-failure -j"$jobs"
else
  fail native "build"
fi

# --- fuzzing ------------------------------------------------------------------------------
step "Fuzzing (record file reader ${fuzz_seconds} s, every other target a third of that)"
if [[ $fuzz_option == OFF ]]; then
  note fuzz "skipped: shared/record/fuzz/CMakeLists.txt does not exist yet"
else
  bash scripts/fuzz.sh --smoke "$fuzz_seconds" | tee "$build/fuzz.log"
  rc=${PIPESTATUS[0]}
  while IFS= read -r line; do
    summary+=("$line")
  done < <(grep -E '^fuzz: ' "$build/fuzz.log")
  ((rc == 0)) || failures+=(fuzz)
fi

# --- benchmark (figures only) ---------------------------------------------------------------
step "Record store benchmark (Release, build/bench)"
if [[ ! -f bench/CMakeLists.txt ]]; then
  note bench "skipped: bench/ has no benchmark yet"
elif cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
     cmake --build build/bench -j"$jobs" --target record_file_bench; then
  bench_exe=$(find build/bench -name record_file_bench -type f -perm -u+x | head -1)
  if [[ -z $bench_exe ]]; then
    note bench "skipped: record_file_bench is not built (Google Benchmark missing?)"
  elif timeout 900 "$bench_exe" --benchmark_color=false; then
    note bench "figures printed above"
  else
    fail bench "record_file_bench exit $?"
  fi
else
  fail bench "build"
fi

# --- Windows: cross build, tests under Wine -----------------------------------------------------
step "Windows build (mingw-w64) in build/win"
if cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null &&
   cmake --build build/win -j"$jobs"; then
  step "Windows tests under Wine"
  # One test program at a time: they share one display and one printer.
  run_ctest wine bash scripts/testenv.sh ctest --test-dir build/win --output-on-failure
  step "Figures under Wine (ratios to read, not a test)"
  if bash scripts/wine-figures.sh build/win; then
    note figures "printed above"
  else
    fail figures "wine-figures exit $?"
  fi
else
  fail wine "build"
fi

step "Summary ($(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s)"
printf '%s\n' "${summary[@]}"
if ((${#failures[@]})); then
  echo "test.sh: FAILED: ${failures[*]}"
  exit 1
fi
echo "test.sh: all passed"
