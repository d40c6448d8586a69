#!/usr/bin/env bash
# Fuzzes the markup reader and the RTF writer natively with libFuzzer for the
# given number of seconds (default 30), starting from the seed corpus in
# fuzz/seeds. Exits non-zero when an input crashes, reads out of bounds, or
# yields an RTF document that is unbalanced or does not read back as written.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-30}
OUT=${VIVARTO_BUILD:-build}/fuzz
mkdir -p "$OUT/corpus" "$OUT/artifacts"

CXX=${FUZZ_CXX:-clang++}
if ! command -v "$CXX" >/dev/null; then
  echo "fuzz: $CXX not found (scripts/deps.sh installs clang)" >&2
  exit 1
fi
FLAGS=(-std=c++20 -g -O1 -Wall -Wextra -I.
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
SOURCES=(effects/hex_digits.cpp effects/fade_text.cpp effects/markup_reader.cpp
         effects/rtf_writer.cpp ui/ansi_text.cpp fuzz/markup_rtf_fuzz.cpp)
BIN="$OUT/markup_rtf_fuzz"
# Rebuild only when a source is newer than the binary.
rebuild=0
[ -x "$BIN" ] || rebuild=1
for f in "${SOURCES[@]}" effects/*.h; do
  [ "$f" -nt "$BIN" ] && rebuild=1
done
if [ $rebuild -eq 1 ]; then
  echo "fuzz: building $BIN"
  "$CXX" "${FLAGS[@]}" "${SOURCES[@]}" -o "$BIN"
fi

echo "fuzz: running for ${SECONDS_TO_RUN}s"
# New inputs go to the build folder's corpus; the seeds in the tree stay as they are.
set +e
"$BIN" "$OUT/corpus" fuzz/seeds \
  -dict=fuzz/markup.dict -max_len=4096 -max_total_time="$SECONDS_TO_RUN" \
  -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix="$OUT/artifacts/" >"$OUT/last_run.log" 2>&1
rc=$?
set -e
grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|Done [0-9]+ runs" "$OUT/last_run.log" || true
if [ $rc -ne 0 ]; then
  echo "fuzz: FAILED (exit $rc); log: $OUT/last_run.log" >&2
  grep -E "ERROR|fuzz check failed|SUMMARY|Test unit written" "$OUT/last_run.log" >&2 || tail -30 "$OUT/last_run.log" >&2
  exit 1
fi
echo "fuzz: clean"
