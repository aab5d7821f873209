#!/usr/bin/env bash
# Builds Puttwise with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# every test headless there (a compiler warning fails the build). Any report ends the test
# that made it, so the run fails.
# Leaks are not checked: Qt keeps one-time allocations until the process ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) && export CCACHE_BASEDIR="$PWD"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"${PW_JOBS:-$(nproc)}"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${PW_JOBS:-$(nproc)}" --timeout 300
