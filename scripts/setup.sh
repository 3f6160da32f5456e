#!/usr/bin/env bash
# Installs, once, every Debian package the build, the tests and the tools need.
# Safe to run again: it installs only what is missing and asks nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev   # fuzzing and sanitizer runs
  clang-format               # the house style, checked by scripts/format.sh --check
  clang-tidy clang-tools     # names and bug-prone constructs, checked by scripts/tidy.sh
  g++-aarch64-linux-gnu qemu-user googletest   # the aarch64 cross build and its tests (GoogleTest from source)
  liberfa-dev liberfa-dev:arm64   # the sun's position (the IAU's SOFA routines), for this machine and the cross build
  locales                    # a non-English locale for the number-reading tests
  python3                    # the independent reference calculation of the reports
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev   # the desktop program
  fonts-liberation fontconfig   # "Courier New" 8 pt maps to Liberation Mono
  xvfb xauth x11-apps imagemagick xdotool   # the program on a virtual screen: driving it, screenshots
  libssl-dev                 # libcrypto: the SHA-256 digests of the files a result was computed from
  poppler-utils              # pdftotext and pdftoppm: the tests read the calculation report back
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The aarch64 cross build links libcrypto too: Debian's multiarch copy.
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  as_root dpkg --add-architecture arm64
fi
packages+=(libssl-dev:arm64)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # The cross build links the arm64 ERFA from Debian's multiarch archive.
  if ! dpkg --print-foreign-architectures | grep -qx arm64; then as_root dpkg --add-architecture arm64; fi
  as_root apt-get update -q
  as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests check that a German locale (decimal comma) does not change how
# numbers are read and written.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8; one test will be skipped"
fi
