#!/usr/bin/env bash
# Installs the given Debian packages where they are missing. Sourced by
# run.sh and test.sh.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins libgl-dev
                qt6-l10n-tools qt6-tools-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core)
# What building the Debian package needs on top of building the program.
PACKAGE_PACKAGES=(dpkg-dev appstream file)
# What the tests, benchmarks, screenshots, the fuzzer and the package test
# need on top: clang and its runtime build the fuzzer, lintian checks the
# package as Debian would, pdflatex compiles the LaTeX reports.
TEST_PACKAGES=(clang-format googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang
               libclang-rt-14-dev clang-tidy git "${PACKAGE_PACKAGES[@]}" lintian
               texlive-latex-base)
