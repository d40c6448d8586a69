#!/usr/bin/env bash
# Fuzzes the portable readers natively with libFuzzer, the given number of
# seconds (default 30) shared among the targets. Exits non-zero when an input
# crashes, reads out of bounds, or breaks a target's own checks (see each
# target's source). New inputs go to the build folder; the seeds stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-30}
OUT=${VIVARTO_BUILD:-build}/fuzz
mkdir -p "$OUT/artifacts"

CXX=${FUZZ_CXX:-clang++}
if ! command -v "$CXX" >/dev/null; then
  echo "fuzz: $CXX not found (scripts/deps.sh installs clang)" >&2
  exit 1
fi
FLAGS=(-std=c++20 -g -O1 -Wall -Wextra -I.
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# One target per line: name | seed folder | dictionary (or -) | sources.
TARGETS=(
  "markup_rtf_fuzz | fuzz/seeds | fuzz/markup.dict | effects/hex_digits.cpp effects/fade_text.cpp effects/markup_reader.cpp effects/rtf_writer.cpp effects/utf8.cpp fuzz/markup_rtf_fuzz.cpp"
  "line_list_fuzz | fuzz/line_list_seeds | - | app/line_list.cpp effects/utf8.cpp fuzz/line_list_fuzz.cpp"
)
PER_TARGET=$(( SECONDS_TO_RUN / ${#TARGETS[@]} ))
[ "$PER_TARGET" -ge 1 ] || PER_TARGET=1

status=0
for entry in "${TARGETS[@]}"; do
  IFS='|' read -r name seeds dict sources <<<"$entry"
  name=$(echo $name); seeds=$(echo $seeds); dict=$(echo $dict)
  read -r -a srcs <<<"$sources"
  BIN="$OUT/$name"
  # Rebuild only when a source or header is newer than the binary.
  rebuild=0
  [ -x "$BIN" ] || rebuild=1
  for f in "${srcs[@]}" effects/*.h app/*.h; do
    [ "$f" -nt "$BIN" ] && rebuild=1
  done
  if [ $rebuild -eq 1 ]; then
    echo "fuzz: building $BIN"
    "$CXX" "${FLAGS[@]}" "${srcs[@]}" -o "$BIN"
  fi
  mkdir -p "$OUT/corpus_$name"
  DICT=()
  [ "$dict" != "-" ] && DICT=(-dict="$dict")
  echo "fuzz: $name for ${PER_TARGET}s"
  set +e
  "$BIN" "$OUT/corpus_$name" "$seeds" "${DICT[@]}" -max_len=4096 -max_total_time="$PER_TARGET" \
    -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$OUT/artifacts/$name-" >"$OUT/$name.log" 2>&1
  rc=$?
  set -e
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|Done [0-9]+ runs" "$OUT/$name.log" || true
  if [ $rc -ne 0 ]; then
    echo "fuzz: $name FAILED (exit $rc); log: $OUT/$name.log" >&2
    grep -E "ERROR|fuzz check failed|SUMMARY|Test unit written" "$OUT/$name.log" >&2 || tail -30 "$OUT/$name.log" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "fuzz: clean"
exit $status
