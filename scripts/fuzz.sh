#!/usr/bin/env bash
# Runs every fuzz target, one after the other on one core, each on a copy of its corpus.
#
#   bash scripts/fuzz.sh [SECONDS]           each target SECONDS (default 600), then the inputs
#                                            that reached new code are merged, minimised, into
#                                            the repository's corpora (commit them)
#   bash scripts/fuzz.sh --smoke [SECONDS]   the record file reader SECONDS (default 30), the
#                                            others a third of that; the corpora stay as they are
#
# Builds the targets in build/native (clang, sanitizers) as scripts/test.sh does; works in
# build/fuzz. Prints one line per target starting "fuzz: "; exits non-zero on any fault, the
# failing input kept in build/fuzz/<target>/artifacts.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
smoke=false
if [[ ${1:-} == --smoke ]]; then smoke=true; shift; fi
seconds=${1:-$($smoke && echo 30 || echo 600)}

# target, its corpus in the repository
targets=(
  "shared/record/fuzz/record_file_fuzz shared/record/fuzz/corpus"
  "fuzz/text_box_fuzz fuzz/corpus/text_box_fuzz"
  "fuzz/search_fuzz fuzz/corpus/search_fuzz"
  "fuzz/wrap_fuzz fuzz/corpus/wrap_fuzz"
)

cmake -S . -B build/native -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DPAPYRKA_SANITIZE=ON -DPAPYRKA_FUZZ=ON >/dev/null &&
  cmake --build build/native -j"${PAPYRKA_JOBS:-2}" --target record_file_fuzz text_box_fuzz search_fuzz wrap_fuzz ||
  { echo "fuzz: FAILED (build)"; exit 1; }

failed=0
for entry in "${targets[@]}"; do
  read -r target corpus <<<"$entry"
  name=$(basename "$target")
  time=$seconds
  if $smoke && [[ $name != record_file_fuzz ]]; then time=$((seconds / 3 > 5 ? seconds / 3 : 5)); fi
  work=build/fuzz/$name
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  # A copy: the run adds to it freely, the repository's corpus changes only by the merge below.
  cp -r "$corpus/." "$work/corpus/"
  timeout $((time + 120)) "build/native/$target" -max_total_time="$time" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/fuzz.log" 2>&1
  rc=$?
  runs=$(grep -oE '^stat::number_of_executed_units: *[0-9]+' "$work/fuzz.log" | grep -oE '[0-9]+$')
  rate=$(grep -oE '^stat::average_exec_per_sec: *[0-9]+' "$work/fuzz.log" | grep -oE '[0-9]+$')
  if ((rc != 0)); then
    tail -40 "$work/fuzz.log"
    echo "fuzz: $name FAILED (exit $rc; input in $work/artifacts, log $work/fuzz.log)"
    failed=1
    continue
  fi
  echo "fuzz: $name ran ${runs:-?} inputs in $time s (${rate:-?}/s), no fault"
  if ! $smoke; then
    before=$(ls "$corpus" | wc -l)
    "build/native/$target" -merge=1 "$corpus" "$work/corpus" >"$work/merge.log" 2>&1 ||
      { echo "fuzz: $name merge FAILED (log $work/merge.log)"; failed=1; continue; }
    echo "fuzz: $name corpus $before -> $(ls "$corpus" | wc -l) inputs"
  fi
done
exit $failed
