#!/usr/bin/env bash
# Lettrava quick start for Debian 12.
#
#   scripts/quickstart.sh play      install what is missing, build, start the game
#   scripts/quickstart.sh test      install what is missing, build, run every test
#   scripts/quickstart.sh package   install what is missing, build, make build/lettrava_*.deb
#   scripts/quickstart.sh asan      the tests built with AddressSanitizer + UBSan (clang)
#   scripts/quickstart.sh tsan      the engine tests built with ThreadSanitizer (clang)
#   scripts/quickstart.sh fuzz [SECONDS]   build the fuzz targets and run each
#
# Debian packages are installed as root, or through sudo when run as a user.
# Build trees: build/ (plain), build-asan/, build-tsan/, build-fuzz/.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
mode=${1:-play}
shift || true

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libasio-dev
  clang libclang-rt-dev
  wamerican wamerican-large wbritish wngerman wfrench wspanish witalian wdutch
  fonts-comic-neue
  dictd dictfmt
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep 'install ok installed' >/dev/null; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() { # dir, extra cmake arguments...
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
}

case "$mode" in
  play)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/bin/lettrava "$@"
    ;;
  test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  package)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec scripts/package.sh build build
    ;;
  asan)
    install_missing
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DLETTRAVA_SANITIZE=address \
      -DLETTRAVA_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure -j "$jobs"
    ;;
  tsan)
    install_missing
    # Qt's own libraries are not instrumented, so the thread sanitizer build
    # covers the engine, the network layer and the tool.
    build build-tsan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DLETTRAVA_SANITIZE=thread \
      -DLETTRAVA_BUILD_UI=OFF -DLETTRAVA_BUILD_BENCH=OFF
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --test-dir build-tsan --output-on-failure -j "$jobs"
    ;;
  fuzz)
    install_missing
    seconds=${1:-60}
    build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DLETTRAVA_BUILD_FUZZ=ON \
      -DLETTRAVA_BUILD_UI=OFF -DLETTRAVA_BUILD_TESTS=OFF -DLETTRAVA_BUILD_BENCH=OFF
    # New inputs go to build-fuzz/corpus/TARGET, the committed seeds are only
    # read; an input that crashes is kept as build-fuzz/artifacts/TARGET-crash-...
    # and stops the script with the fuzzer's failure.
    mkdir -p build-fuzz/artifacts
    for target in build-fuzz/fuzz/fuzz_*; do
      name=$(basename "$target")
      mkdir -p "build-fuzz/corpus/$name"
      seeds=()
      [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
      dict=()
      [ -f "fuzz/dicts/$name.dict" ] && dict=("-dict=fuzz/dicts/$name.dict")
      echo "== $name for ${seconds}s"
      "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" \
        "${dict[@]}" "build-fuzz/corpus/$name" "${seeds[@]}"
    done
    ;;
  *)
    sed -n '2,13p' "$0"
    exit 2
    ;;
esac
