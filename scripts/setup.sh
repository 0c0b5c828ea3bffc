# Shared by scripts/run, scripts/test and scripts/fuzz: installs what the
# build needs and builds the project (build/, build-asan/, build-fuzz/).
# Sourced, not executed.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="${JOBS:-2}"

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation zxing-cpp-tools
  libwmf-dev fonts-urw-base35 libemf2svg-dev libqt6svg6
  xvfb xauth
  clang libclang-rt-14-dev
)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$ROOT/$dir" -j "$JOBS"
}

# The sanitizer build of the test suites (AddressSanitizer + UndefinedBehaviorSanitizer).
build_sanitized() {
  configure_and_build build-asan -DMOBRIX_SANITIZE=ON -DMOBRIX_BUILD_BENCH=OFF
}

# The libFuzzer targets, built with clang over the core only.
build_fuzzers() {
  CC=clang CXX=clang++ configure_and_build build-fuzz -DMOBRIX_FUZZ=ON -DMOBRIX_BUILD_UI=OFF \
    -DMOBRIX_BUILD_TESTS=OFF -DMOBRIX_BUILD_BENCH=OFF
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# run_fuzzer NAME SECONDS: runs one target on a working copy of its seed corpus.
run_fuzzer() {
  local name="$1" seconds="$2"
  local seeds="$ROOT/fuzz/corpus/${name#fuzz_}"
  local work="$ROOT/build-fuzz/corpus/${name#fuzz_}"
  local findings="$ROOT/build-fuzz/findings/"
  mkdir -p "$work" "$findings"
  echo "== $name for ${seconds}s"
  "$ROOT/build-fuzz/bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
    -malloc_limit_mb=256 -print_final_stats=0 -artifact_prefix="$findings" "$work" "$seeds" 2>&1 | tail -n 3
  return "${PIPESTATUS[0]}"
}
