#!/usr/bin/env bash
# Fuzzes the portable readers natively with libFuzzer for the given number of
# seconds in all (default 30, shared equally between the targets), each target
# starting from its seed corpus. Exits non-zero when an input crashes, reads
# out of bounds, or fails the target's own check:
#   markup_rtf_fuzz  the markup reader and the RTF writer: the RTF is
#                    unbalanced or does not read back as written; and what an
#                    art design file gives the design box: unbalanced, too deep,
#                    or still holding a table, field or picture
#   regedit4_fuzz    the REGEDIT4 reader: keeps more than the file holds, or a
#                    value written back reads differently
#   line_list_fuzz   the list-file reader: a saved list reads back differently
#   settings_file_fuzz  the settings file reader and writer: saved settings or
#                    a value set read back differently, a colour out of range
#   rtf_mend_fuzz    mending the RTF a rich edit writes and stating its code
#                    page: a balanced document unbalanced, grown past its bound,
#                    changed by a second pass, or our writer's RTF spoilt with
#                    look-alikes not reading back as the box's text once mended
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-30}
OUT=${VIVARTO_BUILD:-build}/fuzz

CXX=${FUZZ_CXX:-clang++}
if ! command -v "$CXX" >/dev/null; then
  echo "fuzz: $CXX not found (scripts/deps.sh installs clang)" >&2
  exit 1
fi
FLAGS=(-std=c++20 -g -O1 -Wall -Wextra -I.
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# One target a line: name | sources | folders of its headers | seed folder | libFuzzer options
TARGETS=(
  "markup_rtf_fuzz|effects/hex_digits.cpp effects/fade_text.cpp effects/markup_reader.cpp effects/rtf_writer.cpp link/full_format_rtf.cpp designs/design_rtf.cpp ui/ansi_text.cpp ui/utf8.cpp fuzz/markup_rtf_fuzz.cpp|effects link ui designs|fuzz/seeds|-dict=fuzz/markup.dict -max_len=4096"
  "line_list_fuzz|ui/line_list.cpp ui/utf8.cpp fuzz/line_list_fuzz.cpp|ui effects|fuzz/line_list_seeds|-max_len=4096"
  "settings_file_fuzz|ui/settings_file.cpp ui/utf8.cpp fuzz/settings_file_fuzz.cpp|ui|fuzz/settings_file_seeds|-max_len=4096"
  "rtf_mend_fuzz|ui/rtf_mend.cpp ui/utf8.cpp ui/ansi_text.cpp effects/hex_digits.cpp effects/markup_reader.cpp effects/rtf_writer.cpp fuzz/rtf_mend_fuzz.cpp|ui effects|fuzz/rtf_mend_seeds|-dict=fuzz/rtf_mend.dict -max_len=4096"
  "regedit4_fuzz|registry/regedit4.cpp registry/bin_text.cpp registry/reg_path.cpp fuzz/regedit4_fuzz.cpp|registry|fuzz/regedit4_seeds|-dict=fuzz/regedit4.dict -max_len=8192"
)
EACH=$(( SECONDS_TO_RUN / ${#TARGETS[@]} ))
[ "$EACH" -ge 1 ] || EACH=1

# Builds (when a source is newer than the binary) and runs one target.
fuzz_target() {
  local name=$1 seeds=$4 options=$5 bin="$OUT/$1/$1" rebuild=0 rc f dir
  local -a sources headers=()
  read -r -a sources <<<"$2"
  for dir in $3; do headers+=("$dir"/*.h); done
  [ -f "$OUT/$name" ] && rm -f "$OUT/$name"  # an older layout kept the binary there
  mkdir -p "$OUT/$name/corpus" "$OUT/$name/artifacts"
  [ -x "$bin" ] || rebuild=1
  for f in "${sources[@]}" "${headers[@]}"; do
    [ "$f" -nt "$bin" ] && rebuild=1
  done
  if [ $rebuild -eq 1 ]; then
    echo "fuzz: building $bin"
    "$CXX" "${FLAGS[@]}" "${sources[@]}" -o "$bin"
  fi
  echo "fuzz: $name for ${EACH}s"
  # New inputs go to the build folder's corpus; the seeds in the tree stay as they are.
  set +e
  # shellcheck disable=SC2086  # the options are separate words
  "$bin" "$OUT/$name/corpus" "$seeds" $options -max_total_time="$EACH" \
    -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$OUT/$name/artifacts/" >"$OUT/$name/last_run.log" 2>&1
  rc=$?
  set -e
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|Done [0-9]+ runs" "$OUT/$name/last_run.log" || true
  if [ $rc -ne 0 ]; then
    echo "fuzz: $name FAILED (exit $rc); log: $OUT/$name/last_run.log" >&2
    grep -E "ERROR|fuzz check failed|SUMMARY|Test unit written" "$OUT/$name/last_run.log" >&2 ||
      tail -30 "$OUT/$name/last_run.log" >&2
    return 1
  fi
}

failed=0
for target in "${TARGETS[@]}"; do
  IFS='|' read -r name sources headers seeds options <<<"$target"
  fuzz_target "$name" "$sources" "$headers" "$seeds" "$options" || failed=1
done
[ $failed -eq 0 ] || exit 1
echo "fuzz: clean"
