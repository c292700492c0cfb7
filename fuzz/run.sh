#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), one after
# the other, starting from its committed initial corpus in fuzz/corpus/<target>/. Prints the
# executions of every target; exits non-zero when one of them found a fault, whose input is
# then kept in the build folder's fuzz-findings/<target>/.
#
#   fuzz/run.sh [SECONDS]        BRINDEL_FUZZ_BUILD=<dir> picks another build folder,
#                                BRINDEL_FUZZ_TARGETS="picture_fuzz …" runs only those targets
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${BRINDEL_FUZZ_BUILD:-$here/build-fuzz}"
all_targets="analyzer_fuzz settings_fuzz fontfile_fuzz document_fuzz picture_fuzz regionfile_fuzz"
read -r -a targets <<<"${BRINDEL_FUZZ_TARGETS:-$all_targets}"
for target in "${targets[@]}"; do
  [[ " $all_targets " == *" $target "* ]] || { echo "Cible inconnue : $target" >&2; exit 2; }
done

# Qt and the rest of the build's needs, then clang with its fuzzer and sanitizer runtimes.
"$here/scripts/install-deps.sh"
fuzzer_runtime_ok() {
  command -v clang++ >/dev/null 2>&1 &&
    echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' |
      clang++ -x c++ - -fsanitize=fuzzer,address,undefined -o /dev/null >/dev/null 2>&1
}
if ! fuzzer_runtime_ok; then
  echo "Installation de clang et de ses bibliothèques d'exécution (libFuzzer, sanitizers)"
  as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    clang libclang-rt-dev
  fuzzer_runtime_ok || { echo "clang ne sait pas construire une cible libFuzzer" >&2; exit 2; }
fi

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRINDEL_FUZZ=ON -DBRINDEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:allocator_may_return_null=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen
# The files the targets write go to memory when it can, and are removed however a run ends.
BRINDEL_FUZZ_SCRATCH="$(mktemp -d /dev/shm/brindel-fuzz.XXXXXX 2>/dev/null || mktemp -d)"
export BRINDEL_FUZZ_SCRATCH
trap 'rm -rf "$BRINDEL_FUZZ_SCRATCH"' EXIT

failed=()
summary=()
for target in "${targets[@]}"; do
  # The corpus grows in the build folder; the committed initial corpus stays small.
  corpus="$build/fuzz-corpus/$target"
  findings="$build/fuzz-findings/$target"
  mkdir -p "$corpus" "$findings"
  log="$build/fuzz-$target.log"
  echo "== $target: ${seconds} s"
  status=0
  "$build/fuzz/$target" "$corpus" "$here/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    tail -n 40 "$log"
    summary+=("$(printf '%-16s %12s exécutions  ÉCHEC (voir %s)' "$target" "${runs:-?}" "$log")")
  else
    summary+=("$(printf '%-16s %12s exécutions  aucun défaut' "$target" "${runs:-?}")")
  fi
done

echo
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
  echo "Défauts trouvés par : ${failed[*]} (entrées dans $build/fuzz-findings/)"
  exit 1
fi
