# Shared by the project's scripts: where things are and what the machine can run.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VANTREL_BUILD:-$ROOT/build}
JOBS=${VANTREL_JOBS:-$(nproc 2>/dev/null || echo 2)}

# True when the kernel executes 32-bit x86 programs. The probe is a 93-byte
# static 32-bit program that exits with 42, written here so that no compiler
# is needed to ask.
machine_runs_32bit() {
  local probe status=0
  probe=$(mktemp "${TMPDIR:-/tmp}/vantrel-probe32.XXXXXX")
  printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00' \
    '\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00' \
    '\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\x31\xc0\x40\x31\xdb\xb3\x2a\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

# True when 32-bit Wine is installed and runs here.
can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The Windows build whose tests run under Wine here: the shipped 32-bit one
# where the machine runs 32-bit programs, else the same sources for 64-bit.
windows_test_arch() {
  if can_run_32bit; then echo i686; else echo x86_64; fi
}

# The compiler cache, where there is one: paths are taken relative to the
# clone, so that every clone of the project shares what was compiled.
cache_arguments() {
  if command -v ccache >/dev/null 2>&1; then
    echo "-DCMAKE_C_COMPILER_LAUNCHER=ccache"
    echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  fi
}
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-8G}

configure() {  # name, extra cmake arguments...
  local name=$1 cache
  shift
  mkdir -p "$BUILD"
  mapfile -t cache < <(cache_arguments)
  cmake -S "$ROOT" -B "$BUILD/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cache[@]}" "$@" \
    >"$BUILD/$name.configure.log" 2>&1 || { cat "$BUILD/$name.configure.log"; return 1; }
}

configure_and_build() {  # name, extra cmake arguments...
  configure "$@"
  cmake --build "$BUILD/$1" -j "$JOBS"
}

build_host() { configure_and_build host; }

# Only what its tests run: the benchmarks and demonstrations are the host's.
# Assertions stay on; -O1 keeps every check the sanitizers make and runs the
# exact odds' long cases several times faster than no optimisation.
build_host_sanitized() {
  configure host-sanitize -DVANTREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
  cmake --build "$BUILD/host-sanitize" -j "$JOBS" --target vantrel_tests vantrel-batch
}

windows_arguments() {  # arch
  echo "-DCMAKE_TOOLCHAIN_FILE=$ROOT/cmake/toolchain-mingw-$1.cmake"
  echo "-DCMAKE_CROSSCOMPILING_EMULATOR=$ROOT/scripts/wine-run;--prefix;$BUILD/windows-$1/wineprefix"
}

build_windows() {  # arch: i686 or x86_64
  local arguments
  mapfile -t arguments < <(windows_arguments "$1")
  configure_and_build "windows-$1" -DVANTREL_TESTS=ON "${arguments[@]}"
}

# Only the program and what drives it, without the tests and their library.
build_windows_program() {  # arch
  local arguments
  mapfile -t arguments < <(windows_arguments "$1")
  configure "windows-$1" -DVANTREL_TESTS=OFF "${arguments[@]}"
  cmake --build "$BUILD/windows-$1" -j "$JOBS" --target vantrel vantrel-driver
}

# The fuzz targets, built with clang and libFuzzer.
build_fuzz() {
  local cache
  mapfile -t cache < <(cache_arguments)
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON "${cache[@]}" \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address" >"$BUILD/fuzz.configure.log" 2>&1 ||
    { cat "$BUILD/fuzz.configure.log"; return 1; }
  cmake --build "$BUILD/fuzz" --target vantrel-settings-fuzz vantrel-shard-fuzz -j "$JOBS"
}

# Each fuzz target and its kept corpus.
FUZZ_TARGETS=(
  "vantrel-settings-fuzz:tests/files/fuzz/corpus"
  "vantrel-shard-fuzz:tests/batch/fuzz/corpus"
)

# Replays each kept corpus, then fuzzes for a share of the time given; new
# inputs go to the build folder, not into the kept corpus.
run_fuzz() {  # seconds, shared by the targets
  local entry target corpus share=$(($1 / ${#FUZZ_TARGETS[@]}))
  for entry in "${FUZZ_TARGETS[@]}"; do
    target=${entry%%:*}
    corpus=${entry#*:}
    mkdir -p "$BUILD/fuzz/corpus-$target"
    echo "$target, $share s"
    "$BUILD/fuzz/$target" "$BUILD/fuzz/corpus-$target" "$ROOT/$corpus" -max_total_time="$share" \
      -print_final_stats=0 >"$BUILD/fuzz/$target.log" 2>&1 || { tail -40 "$BUILD/fuzz/$target.log"; return 1; }
    grep -E "^Done" "$BUILD/fuzz/$target.log"
  done
}
