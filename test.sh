#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the tests on the offscreen platform. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The code follows .clang-format.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSCHEMARIO_SANITIZE=ON -DSCHEMARIO_WERROR=ON -DSCHEMARIO_TESTS=ON -DSCHEMARIO_BENCH=ON
cmake --build build-test

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-test && ctest --output-on-failure -j "$(nproc)")

# clang-tidy on the program files the last commit changed, as long as they
# are few enough to check in a few minutes.
mapfile -t changed < <(git diff --name-only --diff-filter=AM HEAD~1 2>/dev/null -- \
  'model/*.cpp' 'platform/*.cpp' 'document/*.cpp' 'widgets/*.cpp' 'dialogs/*.cpp' 'sessions/*.cpp' \
  'diagram/*.cpp' 'app/*.cpp' 'analysis/*.cpp' 'decomposition/*.cpp' 'synthesis/*.cpp' 'exercises/*.cpp' \
  'reports/*.cpp' || true)
if [ ${#changed[@]} -gt 0 ] && [ ${#changed[@]} -le 20 ]; then
  echo "clang-tidy: ${changed[*]}"
  clang-tidy -p build-test --quiet "${changed[@]}"
fi

# A short bounded run of the schema file fuzzer after the tests.
tools/fuzz.sh 60
