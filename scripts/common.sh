# Shared by the project's scripts: where things are and what the machine can run.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VANTREL_BUILD:-$ROOT/build}
JOBS=${VANTREL_JOBS:-$(nproc 2>/dev/null || echo 2)}

# True when this machine executes 32-bit programs, and so 32-bit Wine.
can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The Windows build whose tests run under Wine here: the shipped 32-bit one
# where the machine runs 32-bit programs, else the same sources for 64-bit.
windows_test_arch() {
  if can_run_32bit; then echo i686; else echo x86_64; fi
}

configure_and_build() {  # name, extra cmake arguments...
  local name=$1
  shift
  cmake -S "$ROOT" -B "$BUILD/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$BUILD/$name.configure.log" 2>&1 ||
    { cat "$BUILD/$name.configure.log"; return 1; }
  cmake --build "$BUILD/$name" -j "$JOBS"
}

build_host() { configure_and_build host; }

build_host_sanitized() { configure_and_build host-sanitize -DVANTREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug; }

build_windows() {  # arch: i686 or x86_64
  local arch=$1
  configure_and_build "windows-$arch" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-$arch.cmake" \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$ROOT/scripts/wine-run;--prefix;$BUILD/windows-$arch/wineprefix"
}

# The fuzz targets, built with clang and libFuzzer.
build_fuzz() {
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address" >"$BUILD/fuzz.configure.log" 2>&1 ||
    { cat "$BUILD/fuzz.configure.log"; return 1; }
  cmake --build "$BUILD/fuzz" --target vantrel-settings-fuzz -j "$JOBS"
}

# Replays the kept corpus, then fuzzes for a bounded time; new inputs go to
# the build folder, not into the kept corpus.
run_fuzz() {  # seconds
  mkdir -p "$BUILD/fuzz/corpus"
  "$BUILD/fuzz/vantrel-settings-fuzz" "$BUILD/fuzz/corpus" "$ROOT/tests/files/fuzz/corpus" \
    -max_total_time="$1" -print_final_stats=0 >"$BUILD/fuzz/run.log" 2>&1 || { tail -40 "$BUILD/fuzz/run.log"; return 1; }
  grep -E "^Done" "$BUILD/fuzz/run.log"
}
