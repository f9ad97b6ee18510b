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
